#include "wizard/AddTitleDlg.h"

#include <utility>

#include "res/resource.h"

CAddTitleDlg::CAddTitleDlg(HWND parent) : Dialog(IDD_ADD_TITLE), m_hwndParent(parent) {}

BOOL CAddTitleDlg::OnInitDialog()
{
    m_editTitle.Attach(Hwnd(), IDC_ADD_TITLE_TEXT);
    SendMessageA(m_editTitle.Hwnd(), EM_SETLIMITTEXT, 0, 0); // titles may be longer than the default
    m_editTitle.SetText(m_strTitle);
    EnableOK();
    return TRUE;
}

void CAddTitleDlg::EnableOK() const
{
    EnableWindow(Item(IDOK), m_editTitle.GetText().empty() ? FALSE : TRUE);
}

bool CAddTitleDlg::OnCommand(int id, int code)
{
    if (id == IDC_ADD_TITLE_TEXT && code == EN_CHANGE) {
        EnableOK();
        return true;
    }
    return false;
}

void CAddTitleDlg::OnOK()
{
    // A command can come without the button, which is disabled while the field is empty.
    std::string title = m_editTitle.GetText();
    if (title.empty())
        return;
    m_strTitle = std::move(title);
    EndDialog(IDOK);
}
