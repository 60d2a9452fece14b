#include "framework/WindowFinder.h"

#include <commctrl.h>

#include <algorithm>

#include "framework/Dpi.h"
#include "framework/ResString.h"
#include "platform/DpiScale.h"

namespace {

constexpr UINT_PTR kSubclassId = 0x51F1;
constexpr COLORREF kBackgroundKey = RGB(222, 225, 230);
constexpr const char* kOutlineClass = "QewFinderOutline";
constexpr int kOutlineThickness = 4; // at 96 DPI
// While the cursor rests, the title beside the finder still follows the window's.
constexpr UINT_PTR kFollowTimer = 1;
constexpr UINT kFollowMs = 250;

LRESULT CALLBACK OutlineProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        // Red with a white line inside: it stands out from any window's own border.
        PAINTSTRUCT paint;
        const HDC dc = BeginPaint(hwnd, &paint);
        RECT rect;
        GetClientRect(hwnd, &rect);
        GdiObject red(CreateSolidBrush(RGB(220, 30, 30)));
        FillRect(dc, &rect, red ? static_cast<HBRUSH>(red.Get()) : static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        const int inset = std::max(1, static_cast<int>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)) - 1);
        InflateRect(&rect, -inset, -inset);
        FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        EndPaint(hwnd, &paint);
        return 0;
    }
    if (message == WM_NCHITTEST)
        return HTTRANSPARENT;
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool RegisterOutlineClass()
{
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(ResourceModule(), kOutlineClass, &existing))
        return true;
    WNDCLASSEXA outline{};
    outline.cbSize = sizeof outline;
    outline.lpfnWndProc = OutlineProc;
    outline.hInstance = ResourceModule();
    outline.lpszClassName = kOutlineClass;
    return RegisterClassExA(&outline) != 0;
}

// The window's frame, kept to its monitor: a maximised window reaches past the screen's edge.
RECT OutlineRect(HWND target)
{
    RECT rect{};
    GetWindowRect(target, &rect);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromWindow(target, MONITOR_DEFAULTTONEAREST), &monitor)) {
        RECT kept{};
        if (IntersectRect(&kept, &rect, &monitor.rcMonitor))
            rect = kept;
    }
    return rect;
}

} // namespace

WindowFinder::~WindowFinder()
{
    HideOutline();
    if (m_hwnd && IsWindow(m_hwnd))
        RemoveWindowSubclass(m_hwnd, Proc, kSubclassId);
}

void WindowFinder::Attach(HWND dialog, int id, Events events)
{
    m_hwnd = GetDlgItem(dialog, id);
    m_events = std::move(events);
    if (m_hwnd)
        SetWindowSubclass(m_hwnd, Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void WindowFinder::SetPictures(HBITMAP full, HBITMAP empty)
{
    m_full.Reset(full);
    m_empty.Reset(empty);
    InvalidateRect(m_hwnd, nullptr, TRUE);
}

LRESULT CALLBACK WindowFinder::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                    DWORD_PTR self)
{
    if (message == WM_NCDESTROY) {
        auto* finder = reinterpret_cast<WindowFinder*>(self);
        finder->HideOutline();
        RemoveWindowSubclass(hwnd, Proc, kSubclassId);
        finder->m_hwnd = nullptr;
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    return reinterpret_cast<WindowFinder*>(self)->Handle(message, wParam, lParam);
}

LRESULT WindowFinder::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: // a drag soon after the last one
        BeginDrag();
        return 0;
    case WM_MOUSEMOVE:
        if (m_dragging)
            Track();
        return 0;
    case WM_TIMER:
        if (wParam == kFollowTimer) {
            if (m_dragging)
                Track();
            return 0;
        }
        break;
    case WM_LBUTTONUP:
        if (m_dragging)
            EndDrag(true);
        return 0;
    case WM_KEYDOWN:
        if (m_dragging && wParam == VK_ESCAPE) {
            EndDrag(false);
            return 0;
        }
        break;
    case WM_GETDLGCODE:
        // While dragging, Escape is the drag's, not the sheet's Cancel.
        if (m_dragging)
            return DLGC_WANTALLKEYS;
        break;
    case WM_CAPTURECHANGED:
        if (m_dragging && reinterpret_cast<HWND>(lParam) != m_hwnd)
            EndDrag(false);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    default:
        break;
    }
    return DefSubclassProc(m_hwnd, message, wParam, lParam);
}

void WindowFinder::BeginDrag()
{
    if (m_dragging)
        return;
    m_focusBefore = GetFocus();
    m_dragging = true;
    m_target = nullptr;
    SetFocus(m_hwnd);
    SetCapture(m_hwnd);
    SetTimer(m_hwnd, kFollowTimer, kFollowMs, nullptr);
    m_cursorBefore = SetCursor(LoadCursor(nullptr, IDC_CROSS));
    InvalidateRect(m_hwnd, nullptr, TRUE);
    UpdateWindow(m_hwnd);
}

void WindowFinder::Track()
{
    SetCursor(LoadCursor(nullptr, IDC_CROSS));
    POINT point{};
    GetCursorPos(&point);
    const HWND under = WindowFromPoint(point);
    // On the outline's own edge the window inside it is still the one meant.
    if (under && under == m_outline)
        return;
    const HWND root = under ? GetAncestor(under, GA_ROOT) : nullptr;
    const HWND target = root && m_events.take ? m_events.take(root) : nullptr;
    if (target != m_target) {
        m_target = target;
        if (target)
            ShowOutline(target);
        else
            HideOutline();
    }
    // Told on every move: a player's title changes while the cursor rests on it.
    if (m_events.hover)
        m_events.hover(target);
}

void WindowFinder::EndDrag(bool take)
{
    const HWND target = take ? m_target : nullptr;
    m_dragging = false;
    m_target = nullptr;
    KillTimer(m_hwnd, kFollowTimer);
    HideOutline();
    if (GetCapture() == m_hwnd)
        ReleaseCapture();
    SetCursor(m_cursorBefore ? m_cursorBefore : LoadCursor(nullptr, IDC_ARROW));
    // The crosshair is back before whatever the drop sets off, a refresh perhaps.
    InvalidateRect(m_hwnd, nullptr, TRUE);
    UpdateWindow(m_hwnd);
    if (m_focusBefore && IsWindow(m_focusBefore))
        SetFocus(m_focusBefore);
    if (m_events.hover)
        m_events.hover(nullptr);
    if (m_events.drop)
        m_events.drop(target);
}

void WindowFinder::Paint()
{
    PAINTSTRUCT paint;
    const HDC dc = BeginPaint(m_hwnd, &paint);
    RECT client;
    GetClientRect(m_hwnd, &client);
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(GetParent(m_hwnd), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(m_hwnd)));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_3DFACE));
    const GdiObject& picture = m_dragging ? m_empty : m_full;
    BITMAP size{};
    if (picture && GetObjectA(picture.Get(), sizeof size, &size)) {
        MemoryDC memory(dc);
        if (memory) {
            SelectedObject chosen(memory.Get(), picture.Get());
            const int x = (client.right - size.bmWidth) / 2, y = (client.bottom - size.bmHeight) / 2;
            GdiTransparentBlt(dc, x, y, size.bmWidth, size.bmHeight, memory.Get(), 0, 0, size.bmWidth,
                              size.bmHeight, kBackgroundKey);
        }
    }
    EndPaint(m_hwnd, &paint);
}

void WindowFinder::ShowOutline(HWND target)
{
    const int thickness = ScaleForDpi(kOutlineThickness, WindowDpi(m_hwnd));
    if (!m_outline) {
        if (!RegisterOutlineClass())
            return;
        m_outline = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kOutlineClass, "", WS_POPUP,
                                    0, 0, 0, 0, nullptr, nullptr, ResourceModule(), nullptr);
        if (!m_outline)
            return;
        SetWindowLongPtrA(m_outline, GWLP_USERDATA, thickness);
    }
    const RECT rect = OutlineRect(target);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    // Only the frame belongs to the window: what lies inside it stays in view and in reach.
    const HRGN frame = CreateRectRgn(0, 0, width, height);
    const HRGN inside = CreateRectRgn(thickness, thickness, width - thickness, height - thickness);
    CombineRgn(frame, frame, inside, RGN_DIFF);
    DeleteObject(inside);
    SetWindowRgn(m_outline, frame, FALSE); // the window owns the region from here on
    SetWindowPos(m_outline, HWND_TOPMOST, rect.left, rect.top, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    RedrawWindow(m_outline, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void WindowFinder::HideOutline()
{
    if (m_outline) {
        DestroyWindow(m_outline);
        m_outline = nullptr;
    }
}
