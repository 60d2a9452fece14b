#pragma once
// Non-owning wrappers of a dialog's controls, attached by id once the dialog exists.

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

// Enables or disables a dialog's control. A control that loses its enabling while it has the
// keyboard focus first hands the focus back to the control before it in tab order, as a rule
// the one it acts on: a disabled control keeps no focus, and with none the dialog takes no
// keys but its mnemonics.
void EnableControl(HWND control, bool enable);

class Control {
public:
    void Attach(HWND dialog, int id) { m_hwnd = GetDlgItem(dialog, id); }
    HWND Hwnd() const { return m_hwnd; }
    void Enable(bool enable) const { EnableControl(m_hwnd, enable); }
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

class Button : public Control {
public:
    bool IsChecked() const { return Send(BM_GETCHECK) == BST_CHECKED; }
    void SetCheck(bool checked) const { Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED); }
};
class Static : public Control {};

class Edit : public Control {
public:
    void SetSel(int start, int end) const { Send(EM_SETSEL, start, end); }
    void GetSel(int& start, int& end) const;
    void ScrollCaret() const { Send(EM_SCROLLCARET); }
    int LineIndex(int line) const { return static_cast<int>(Send(EM_LINEINDEX, line)); }
    int LineLength(int charIndex) const { return static_cast<int>(Send(EM_LINELENGTH, charIndex)); }
    // Adds text at the end without rewriting the rest: the selection stays, and the view
    // follows the end only when its last line was in view before, so that a user who
    // scrolled back to read keeps their place.
    void Append(const std::string& text) const;

private:
    bool ShowsLastLine() const;
};

class ListBox : public Control {
public:
    int GetCount() const { return static_cast<int>(Send(LB_GETCOUNT)); }
    void ResetContent() const { Send(LB_RESETCONTENT); }
    int AddString(const std::string& text) const
    {
        return static_cast<int>(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }
    void DeleteString(int index) const { Send(LB_DELETESTRING, index); }
    int InsertString(int index, const std::string& text) const
    {
        return static_cast<int>(Send(LB_INSERTSTRING, index, reinterpret_cast<LPARAM>(text.c_str())));
    }
    int GetCurSel() const { return static_cast<int>(Send(LB_GETCURSEL)); }
    void SetCurSel(int index) const { Send(LB_SETCURSEL, index); }
    std::string GetItemText(int index) const;
};

// A list view in report view.
class ListView : public Control {
public:
    // Returns the new column's index, -1 on failure.
    int InsertColumn(int index, const std::string& heading, int width, int format = LVCFMT_LEFT) const;
    void SetExtendedStyle(DWORD style) const { Send(LVM_SETEXTENDEDLISTVIEWSTYLE, style, style); }
    int ClientWidth() const;
    // The width of the text in the list's font, without the margins of a cell.
    int StringWidth(const std::string& text) const
    {
        return static_cast<int>(Send(LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(text.c_str())));
    }

    int GetItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
    void DeleteAllItems() const { Send(LVM_DELETEALLITEMS); }
    // Returns the new row's index, -1 on failure. An image of -1 leaves the row without.
    int InsertItem(int index, const std::string& text, int image = -1) const;
    void SetItemText(int item, int subItem, const std::string& text) const;
    std::string GetItemText(int item, int subItem) const;

    int GetSelectionMark() const { return static_cast<int>(Send(LVM_GETSELECTIONMARK)); }
    void SetSelectionMark(int item) const { Send(LVM_SETSELECTIONMARK, 0, item); }
    int GetSelectedItem() const { return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED)); }
    // The keyboard moves a single-selection list's selection but leaves its selection mark
    // where the mouse put it: given any notification, moves the mark to the row that the
    // list reports becoming selected.
    void MarkNewSelection(const NMHDR* header) const;
    // Selects and focuses the row (and only it, in a single-selection list).
    void Select(int item) const;
    void EnsureVisible(int item) const { Send(LVM_ENSUREVISIBLE, item, FALSE); }

    bool SetItemData(int item, LPARAM data) const;
    LPARAM GetItemData(int item) const;

    // Puts the rows in ascending order of their text in `column`, keeping the order of
    // equal rows and each row's item data. Returns, for each new position, the row's
    // position before.
    using TextLess = bool (*)(const std::string&, const std::string&);
    std::vector<int> SortByText(int column, TextLess less) const;
    int GetColumnCount() const;
    // Every column's width, measured at one DPI, made the same at another.
    void RescaleColumns(UINT fromDpi, UINT toDpi) const;
    // Exchanges the texts of every column and the item data of two rows.
    void SwapRows(int a, int b) const;
    // The first row whose text in `column` is exactly `text`, or -1.
    int FindText(int column, const std::string& text) const;
    // The first row whose item data is `data`, or -1.
    int FindData(LPARAM data) const;
    void DeleteItem(int item) const { Send(LVM_DELETEITEM, item); }
    // Selects the row, makes it the selection mark and scrolls it into view.
    void Choose(int item) const
    {
        Select(item);
        SetSelectionMark(item);
        EnsureVisible(item);
    }
};
