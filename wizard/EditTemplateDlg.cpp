#include "wizard/EditTemplateDlg.h"

#include <utility>

#include "framework/MessageBox.h"
#include "framework/ResString.h"
#include "platform/ParseError.h"
#include "res/resource.h"
#include "rules/TpTemplate.h"

CEditTemplateDlg::CEditTemplateDlg(HWND parent) : Dialog(IDD_EDIT_TEMPLATE), m_hwndParent(parent) {}

BOOL CEditTemplateDlg::OnInitDialog()
{
    m_editTemplate.Attach(Hwnd(), IDC_EDIT_TEMPLATE_TEXT);
    SendMessageA(m_editTemplate.Hwnd(), EM_SETLIMITTEXT, 0, 0); // a template of a long title may exceed the default
    m_editTemplate.SetText(m_strTemplate);
    EnableOK();
    return TRUE;
}

void CEditTemplateDlg::EnableOK()
{
    m_strEditText = m_editTemplate.GetText();
    EnableWindow(Item(IDOK), m_strEditText.empty() ? FALSE : TRUE);
}

bool CEditTemplateDlg::OnCommand(int id, int code)
{
    if (id == IDC_EDIT_TEMPLATE_TEXT && code == EN_CHANGE) {
        EnableOK();
        return true;
    }
    return false;
}

void CEditTemplateDlg::OnOK()
{
    // A command can come without the button, which is disabled while the field is empty.
    std::string text = m_editTemplate.GetText();
    if (text.empty())
        return;
    CTpTemplate parsed;
    if (parsed.Parse(text, '<', '>') != 0 || parsed.CheckParameters() != 0) {
        stParseError error;
        parsed.GetErrorInfo(&error);
        ShowFault(static_cast<UINT>(error.code), error.start, error.length);
        return;
    }
    // Taken only now, so that a refused text never reaches an opener that then cancels.
    m_strTemplate = std::move(text);
    EndDialog(IDOK);
}

void CEditTemplateDlg::ShowFault(UINT messageId, int start, int length) const
{
    ErrorBox(FormatResText(IDS_ERROR_IN_TEMPLATE, LoadResString(messageId).c_str()), Hwnd());
    SendMessageA(Hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(m_editTemplate.Hwnd()), TRUE);
    m_editTemplate.SetSel(start, start + length);
    m_editTemplate.ScrollCaret();
}
