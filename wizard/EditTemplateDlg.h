#pragma once
// "Edit template": the user changes a template's text by hand; OK takes only a valid
// template and otherwise points at the fault.

#include <string>

#include "framework/Controls.h"
#include "framework/Dialog.h"

class CEditTemplateDlg : public Dialog {
public:
    explicit CEditTemplateDlg(HWND parent = nullptr);

    // Set m_strTemplate before; IDOK leaves the accepted text in it, IDCANCEL leaves it as
    // it was. The object may run again and then opens with the text last accepted.
    INT_PTR DoModal() { return Dialog::DoModal(m_hwndParent); }

    std::string m_strTemplate;
    Edit m_editTemplate;
    // The field's text as last seen; decides only whether OK is enabled.
    std::string m_strEditText;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

private:
    void EnableOK();
    void ShowFault(UINT messageId, int start, int length) const;

    HWND m_hwndParent;
};
