#pragma once
// The DPI of a window, on systems that have per-monitor DPI and on those that do not
// (their functions are looked up when first needed), and what follows from it.

#include <windows.h>

// Messages of the per-monitor DPI awareness, which older headers lack.
#ifndef WM_DPICHANGED
#define WM_DPICHANGED 0x02E0
#endif
#ifndef WM_DPICHANGED_AFTERPARENT
#define WM_DPICHANGED_AFTERPARENT 0x02E3
#endif

// The DPI the window is shown at: its monitor's where the system scales per monitor,
// otherwise the system's.
UINT WindowDpi(HWND hwnd);
// The DPI the system was started with, by which it converts points and twips.
UINT SystemDpi();

// A bitmap resource (its 100 percent number) from the set drawn for the DPI; the
// caller owns it.
HBITMAP LoadBitmapForDpi(int bitmapId, UINT dpi);
