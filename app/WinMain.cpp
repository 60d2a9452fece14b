#include <windows.h>

#include "app/Ci_wizApp.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    CCi_wizApp app;
    return app.Run();
}
