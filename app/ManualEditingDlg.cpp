#include "app/ManualEditingDlg.h"

#include "framework/Guards.h"
#include "framework/MessageBox.h"
#include "framework/ResString.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"

namespace {
// Sent to itself after showing: the dialog manager selects the whole text when it focuses
// the edit control, so the caret is put to the start once that is done.
constexpr UINT kCaretToStart = WM_APP + 1;
} // namespace

CManualEditingDlg::CManualEditingDlg() : Dialog(IDD_MANUAL_EDITING) {}

BOOL CManualEditingDlg::OnInitDialog()
{
    WaitCursor wait; // the edit control takes seconds over a large file
    m_editRules.Attach(Hwnd(), IDC_EDIT_RULES);
    SendMessageA(m_editRules.Hwnd(), EM_SETLIMITTEXT, 0, 0); // no limit below the system's
    m_editRules.SetText(m_pPlayers ? m_pPlayers->BuildText() : std::string());
    return TRUE;
}

void CManualEditingDlg::OnShowWindow(bool show)
{
    if (show)
        PostMessageA(Hwnd(), kCaretToStart, 0, 0);
}

bool CManualEditingDlg::OnMessage(UINT message, WPARAM, LPARAM, INT_PTR& result)
{
    if (message != kCaretToStart)
        return false;
    m_editRules.SetSel(0, 0);
    m_editRules.ScrollCaret();
    result = TRUE;
    return true;
}

void CManualEditingDlg::OnOK()
{
    WaitCursor wait;
    if (m_pPlayers->ParseText(m_editRules.GetText()) == 0) {
        EndDialog(IDOK);
        return;
    }
    stParseError error;
    m_pPlayers->GetError(&error);
    const int start = m_editRules.LineIndex(error.line) + error.start;
    const int length = error.length < 0 ? m_editRules.LineLength(start) : error.length;
    ErrorBox(LoadResString(static_cast<UINT>(error.code)), Hwnd());
    m_editRules.Focus();
    m_editRules.SetSel(start, start + length);
    m_editRules.ScrollCaret();
}
