#pragma once
// Whether the host reads display-name lines. Set once by the host lookup when the host is
// new enough; never cleared in the program.

bool DispNameSupported();
void SetDispNameSupported();

// For tests only: the program itself never clears the flag.
void SetDispNameSupportedForTesting(bool value);
