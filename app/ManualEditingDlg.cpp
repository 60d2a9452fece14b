#include "app/ManualEditingDlg.h"

#include "app/EncodingNote.h"
#include "framework/Guards.h"
#include "framework/MessageBox.h"
#include "framework/ResString.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace {
// Sent to itself after showing: the dialog manager selects the whole text when it focuses
// the edit control, so the caret is put to the start, or the repair text's fault is
// selected, once that is done.
constexpr UINT kCaretToStart = WM_APP + 1;
} // namespace

CManualEditingDlg::CManualEditingDlg() : Dialog(IDD_MANUAL_EDITING) {}

BOOL CManualEditingDlg::OnInitDialog()
{
    WaitCursor wait; // the edit control takes seconds over a large file
    m_editRules.Attach(Hwnd(), IDC_EDIT_RULES);
    SendMessageA(m_editRules.Hwnd(), EM_SETLIMITTEXT, 0, 0); // no limit below the system's
    m_editRules.SetText(m_strRepairText ? *m_strRepairText : m_pPlayers ? m_pPlayers->BuildText() : std::string());
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
    result = TRUE;
    if (CAllPlayersInfo check; m_strRepairText && check.ParseText(*m_strRepairText) != 0) {
        stParseError error;
        check.GetError(&error);
        SelectFault(error);
        return true;
    }
    m_editRules.SetSel(0, 0);
    m_editRules.ScrollCaret();
    return true;
}

void CManualEditingDlg::OnOK()
{
    WaitCursor wait;
    const std::string text = m_editRules.GetText();
    if (m_pPlayers->ParseText(text) == 0) {
        EndDialog(IDOK);
        return;
    }
    stParseError error;
    m_pPlayers->GetError(&error);
    ErrorBox(LoadResString(static_cast<UINT>(error.code)) + EncodingNote(IDS_TEXT_ENCODING, text), Hwnd());
    SelectFault(error);
}

void CManualEditingDlg::SelectFault(const stParseError& error)
{
    // The reader's lines end at CR LF only, while the control breaks a line at a lone LF as
    // well: the line is found in the text as the reader split it. The reader names the line
    // after the last when the text ended too early; the caret then goes to the end.
    const std::string text = m_editRules.GetText();
    const std::vector<std::string_view> lines = SplitRulesLines(text);
    std::size_t start = text.size(), length = 0;
    if (error.line >= 0 && static_cast<std::size_t>(error.line) < lines.size()) {
        const std::string_view line = lines[static_cast<std::size_t>(error.line)];
        const std::size_t from = std::min(line.size(), static_cast<std::size_t>(std::max(error.start, 0)));
        start = static_cast<std::size_t>(line.data() - text.data()) + from;
        length = error.length < 0 ? line.size() - from : static_cast<std::size_t>(error.length);
    }
    m_editRules.Focus();
    m_editRules.SetSel(static_cast<int>(start), static_cast<int>(start + length));
    m_editRules.ScrollCaret();
}
