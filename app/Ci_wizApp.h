#pragma once

#include <windows.h>

// Starts the program: runs the main dialog and ends when it ends.
class CCi_wizApp {
public:
    // Returns the process's exit code: that of the quit request, 0 after OK.
    int Run();

private:
    // Runs the main dialog; false, as there is no message loop of its own to run.
    bool InitInstance();
};
