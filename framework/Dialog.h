#pragma once
// One dialog procedure for every dialog of the program. It finds the object from the
// WM_INITDIALOG parameter and dispatches to a few virtuals; no exception leaves it.

#include <windows.h>

#include <functional>

// Centres a top-level window over its owner, or over the window that was active when it
// was made; a window with neither, like the main dialog, on the screen. It stays within
// the screen's work area.
void CentreWindow(HWND hwnd);

class Dialog {
public:
    explicit Dialog(UINT templateId) : m_templateId(templateId) {}
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Modal run; returns the result given to EndDialog (-1 when the dialog could not be made).
    INT_PTR DoModal(HWND parent = nullptr);
    // Modeless run, for tests: the dialog lives until EndDialog or DestroyWindow.
    HWND Create(HWND parent = nullptr);

    HWND Hwnd() const { return m_hwnd; }
    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }
    INT_PTR Result() const { return m_result; }
    bool IsModeless() const { return m_modeless; }
    // The DPI the dialog is laid out for; what it sizes in pixels follows it.
    UINT Dpi() const { return m_dpi; }

    // Ends either kind of run with the result.
    void EndDialog(INT_PTR result);

    // Tests put a runner in place of every modal run: it typically creates the dialog
    // modeless, drives it and returns its result. Returns the runner it replaces.
    using ModalRunner = std::function<INT_PTR(Dialog&, HWND parent)>;
    static ModalRunner SetModalRunner(ModalRunner runner);

protected:
    virtual BOOL OnInitDialog() { return TRUE; }
    virtual bool OnCommand(int id, int code) { return false; }
    virtual bool OnNotify(NMHDR* header, LRESULT& result) { return false; }
    virtual void OnTimer(UINT_PTR id) {}
    virtual void OnShowWindow(bool show) {}
    virtual void OnOK() { EndDialog(IDOK); }
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    virtual void OnDestroy() {}
    // The dialog moved to a monitor of another DPI and the system has rescaled its
    // controls; what the dialog sized in pixels itself follows here.
    virtual void OnDpiChanged(UINT oldDpi, UINT newDpi) {}
    // Any other message; return true when handled, with the message's result.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) { return false; }

    // Property pages reach the same procedure once they have found their object.
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

private:
    INT_PTR Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    HWND m_hwnd = nullptr;
    bool m_modeless = false;
    INT_PTR m_result = 0;
    UINT m_dpi = 96;
};
