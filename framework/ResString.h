#pragma once
// String-table entries by number, of any length, in the ANSI code page.

#include <windows.h>

#include <string>

#include "platform/FormatText.h"

// The module whose resources are used; the executable unless set otherwise.
void SetResourceModule(HINSTANCE module);
HINSTANCE ResourceModule();

// An entry that does not exist gives an empty string.
std::string LoadResString(UINT id);

// Loads entry id and formats it with the arguments; an entry without placeholders is
// simply loaded. The entry is the format, never user text.
std::string FormatResText(UINT id, ...);
