#include "framework/Dialog.h"

#include <algorithm>
#include <exception>
#include <string>
#include <utility>

#include "framework/Dpi.h"
#include "framework/MessageBox.h"
#include "framework/ResString.h"

namespace {

Dialog::ModalRunner& Runner()
{
    static Dialog::ModalRunner runner;
    return runner;
}

// Posted on a change of DPI, so that the dialog's own pixel sizes follow once the system
// has rescaled the dialog and its controls.
constexpr UINT kDpiSettled = WM_APP + 0x3E0;

void ReportEscapedException(const char* what)
{
    ErrorBox(std::string("Unexpected exception: ") + (what ? what : "unknown"));
}

} // namespace

void CentreWindow(HWND hwnd)
{
    HWND over = GetWindow(hwnd, GW_OWNER);
    if (!over) {
        const HWND active = GetActiveWindow();
        if (active != hwnd)
            over = active;
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoA(MonitorFromWindow(over ? over : hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT work = monitor.rcWork;
    RECT area = work;
    if (over && IsWindowVisible(over) && !IsIconic(over))
        GetWindowRect(over, &area);

    RECT window;
    GetWindowRect(hwnd, &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    int x = (area.left + area.right - width) / 2;
    int y = (area.top + area.bottom - height) / 2;
    x = std::max(static_cast<int>(work.left), std::min(x, static_cast<int>(work.right) - width));
    y = std::max(static_cast<int>(work.top), std::min(y, static_cast<int>(work.bottom) - height));
    SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Dialog::~Dialog()
{
    if (m_hwnd && m_modeless) {
        SetWindowLongPtrA(m_hwnd, DWLP_USER, 0);
        DestroyWindow(m_hwnd);
    }
}

Dialog::ModalRunner Dialog::SetModalRunner(ModalRunner runner)
{
    return std::exchange(Runner(), std::move(runner));
}

INT_PTR Dialog::DoModal(HWND parent)
{
    if (Runner())
        return Runner()(*this, parent);
    m_modeless = false;
    return DialogBoxParamA(ResourceModule(), MAKEINTRESOURCEA(m_templateId), parent, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

HWND Dialog::Create(HWND parent)
{
    m_modeless = true;
    m_result = 0;
    return CreateDialogParamA(ResourceModule(), MAKEINTRESOURCEA(m_templateId), parent, DialogProc,
                              reinterpret_cast<LPARAM>(this));
}

void Dialog::EndDialog(INT_PTR result)
{
    m_result = result;
    if (!m_hwnd)
        return;
    if (m_modeless)
        DestroyWindow(m_hwnd);
    else
        ::EndDialog(m_hwnd, result);
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* self = reinterpret_cast<Dialog*>(lParam);
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        self->m_hwnd = hwnd;
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    if (!self)
        return FALSE;
    try {
        INT_PTR result = self->Dispatch(message, wParam, lParam);
        // Once the dialog has its size; pages are children and stay where the sheet puts them.
        if (message == WM_INITDIALOG && !(GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD))
            CentreWindow(hwnd);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrA(hwnd, DWLP_USER, 0);
            self->m_hwnd = nullptr;
        }
        return result;
    } catch (const std::exception& e) {
        ReportEscapedException(e.what());
    } catch (...) {
        ReportEscapedException(nullptr);
    }
    return FALSE;
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    INT_PTR result = 0;
    switch (message) {
    case WM_INITDIALOG:
        m_dpi = WindowDpi(m_hwnd);
        return OnInitDialog();
    case WM_DPICHANGED:
    case WM_DPICHANGED_AFTERPARENT:
        PostMessageA(m_hwnd, kDpiSettled, 0, 0);
        return FALSE;
    case kDpiSettled:
        if (const UINT dpi = WindowDpi(m_hwnd); dpi != m_dpi) {
            const UINT old = std::exchange(m_dpi, dpi);
            OnDpiChanged(old, dpi);
        }
        return TRUE;
    case WM_COMMAND: {
        const int id = LOWORD(wParam), code = HIWORD(wParam);
        if (OnCommand(id, code))
            return TRUE;
        if (id == IDOK && code == BN_CLICKED) {
            OnOK();
            return TRUE;
        }
        if (id == IDCANCEL && code == BN_CLICKED) {
            OnCancel();
            return TRUE;
        }
        return FALSE;
    }
    case WM_NOTIFY: {
        LRESULT notifyResult = 0;
        if (!OnNotify(reinterpret_cast<NMHDR*>(lParam), notifyResult))
            return FALSE;
        SetWindowLongPtrA(m_hwnd, DWLP_MSGRESULT, notifyResult);
        return TRUE;
    }
    case WM_TIMER:
        OnTimer(wParam);
        return TRUE;
    case WM_SHOWWINDOW:
        OnShowWindow(wParam != 0);
        return FALSE;
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    default:
        if (OnMessage(message, wParam, lParam, result))
            return result;
        return FALSE;
    }
}
