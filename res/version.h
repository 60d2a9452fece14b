#pragma once

// The program's one version number: the version block, the manifest check, players-check
// --version and the release package's name all read it from here.
#define QEW_VERSION_MAJOR 8
#define QEW_VERSION_MINOR 3
#define QEW_VERSION_PATCH 1
#define QEW_VERSION_STRING "8.3.1"
