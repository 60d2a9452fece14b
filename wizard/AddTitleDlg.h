#pragma once
// "Add title manually": a window title that the capture did not see, typed by the user.

#include <string>

#include "framework/Controls.h"
#include "framework/Dialog.h"

class CAddTitleDlg : public Dialog {
public:
    explicit CAddTitleDlg(HWND parent = nullptr);

    // IDOK with the text in m_strTitle exactly as typed; IDCANCEL leaves m_strTitle alone.
    INT_PTR DoModal() { return Dialog::DoModal(m_hwndParent); }

    std::string m_strTitle;

protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int code) override;
    void OnOK() override;

private:
    void EnableOK() const;

    HWND m_hwndParent;
    Edit m_editTitle;
};
