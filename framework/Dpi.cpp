#include "framework/Dpi.h"

#include "framework/ResString.h"
#include "platform/DpiScale.h"

namespace {

using DpiForWindowFn = UINT(WINAPI*)(HWND);
using DpiForSystemFn = UINT(WINAPI*)();

// Present from Windows 10 version 1607 on; before it every window has the system's DPI.
template <class Fn>
Fn User32Function(const char* name)
{
    const HMODULE user32 = GetModuleHandleA("user32.dll");
    return user32 ? reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

UINT ScreenDpi()
{
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen)
        ReleaseDC(nullptr, screen);
    return dpi > 0 ? static_cast<UINT>(dpi) : kDefaultDpi;
}

} // namespace

UINT WindowDpi(HWND hwnd)
{
    static const auto dpiForWindow = User32Function<DpiForWindowFn>("GetDpiForWindow");
    if (dpiForWindow && hwnd) {
        if (const UINT dpi = dpiForWindow(hwnd))
            return dpi;
    }
    return SystemDpi();
}

UINT SystemDpi()
{
    static const auto dpiForSystem = User32Function<DpiForSystemFn>("GetDpiForSystem");
    if (dpiForSystem) {
        if (const UINT dpi = dpiForSystem())
            return dpi;
    }
    return ScreenDpi();
}

HBITMAP LoadBitmapForDpi(int bitmapId, UINT dpi)
{
    const int id = ScaledBitmapId(bitmapId, ImageScaleForDpi(dpi));
    return static_cast<HBITMAP>(LoadImageA(ResourceModule(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
}
