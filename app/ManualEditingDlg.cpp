#include "app/ManualEditingDlg.h"

#include "app/EncodingNote.h"
#include "framework/Guards.h"
#include "framework/MessageBox.h"
#include "framework/ResString.h"
#include "platform/AnsiText.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"
#include "rules/NulMark.h"

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
    ShowText(m_strRepairText ? *m_strRepairText : m_pPlayers ? m_pPlayers->BuildText() : std::string());
    return TRUE;
}

void CManualEditingDlg::ShowText(const std::string& text)
{
    stNulMarks marked = MarkNuls(text, Utf16ToAnsi, AnsiCodePage());
    m_strNulMark = std::move(marked.mark);
    m_editRules.SetText(marked.text);
}

bool CManualEditingDlg::SelectNulMark(const std::string& text)
{
    const std::size_t at = FindCharacter(text, m_strNulMark, AnsiCodePage());
    if (at == std::string::npos)
        return false;
    Select(static_cast<int>(at), static_cast<int>(at + m_strNulMark.size()));
    return true;
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
    if (!m_strNulMark.empty() && SelectNulMark(m_editRules.GetText()))
        return true;
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
    // A mark is refused where the NUL would be: the reader takes any character in a comment.
    if (!m_strNulMark.empty() && FindCharacter(text, m_strNulMark, AnsiCodePage()) != std::string::npos) {
        ErrorBox(FormatResText(IDS_TEXT_HOLDS_NUL, m_strNulMark.c_str()), Hwnd());
        SelectNulMark(text);
        return;
    }
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
    Select(static_cast<int>(start), static_cast<int>(start + length));
}

void CManualEditingDlg::Select(int start, int end)
{
    m_editRules.Focus();
    m_editRules.SetSel(start, end);
    m_editRules.ScrollCaret();
}
