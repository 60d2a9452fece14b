#pragma once
// Non-owning wrappers of a dialog's controls, attached by id once the dialog exists.

#include <windows.h>

#include <string>

class Control {
public:
    void Attach(HWND dialog, int id) { m_hwnd = GetDlgItem(dialog, id); }
    HWND Hwnd() const { return m_hwnd; }
    void Enable(bool enable) const { EnableWindow(m_hwnd, enable ? TRUE : FALSE); }
    bool IsEnabled() const { return IsWindowEnabled(m_hwnd) != FALSE; }
    void Focus() const { SetFocus(m_hwnd); }
    std::string GetText() const;
    void SetText(const std::string& text) const { SetWindowTextA(m_hwnd, text.c_str()); }

protected:
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageA(m_hwnd, message, wParam, lParam);
    }
    HWND m_hwnd = nullptr;
};

class Button : public Control {};
class Static : public Control {};

class Edit : public Control {
public:
    void SetSel(int start, int end) const { Send(EM_SETSEL, start, end); }
    void GetSel(int& start, int& end) const;
    void ScrollCaret() const { Send(EM_SCROLLCARET); }
    int LineIndex(int line) const { return static_cast<int>(Send(EM_LINEINDEX, line)); }
    int LineLength(int charIndex) const { return static_cast<int>(Send(EM_LINELENGTH, charIndex)); }
};

class ListBox : public Control {
public:
    int GetCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    int AddString(const std::string& text) const
    {
        return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    void DeleteString(int index) const { Send(LB_DELETESTRING, index); }
    int GetCurSel() const { return static_cast<int>(Send(LB_GETCURSEL)); }
    void SetCurSel(int index) const { Send(LB_SETCURSEL, index); }
    std::string GetItemText(int index) const;
};
