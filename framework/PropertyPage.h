#pragma once
// A page of a wizard-97 property sheet. It runs on the one dialog procedure of Dialog;
// the sheet's notifications become the virtuals below.

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "framework/Dialog.h"

class WizardSheet;

class PropertyPage : public Dialog {
public:
    // String-table numbers of the caption and the header texts; 0 leaves one out.
    PropertyPage(UINT templateId, UINT captionId, UINT headerTitleId = 0, UINT headerSubtitleId = 0);

    // The description the sheet creates the page from; valid while the page lives.
    PROPSHEETPAGEA Describe();

    HWND Sheet() const { return GetParent(Hwnd()); }
    const std::string& Caption() const { return m_caption; }
    const std::string& HeaderTitle() const { return m_headerTitle; }
    const std::string& HeaderSubtitle() const { return m_headerSubtitle; }

protected:
    // Activation: true accepts it.
    virtual bool OnSetActive() { return true; }
    // 0 moves to the neighbouring page, -1 stays.
    virtual LRESULT OnWizardBack() { return 0; }
    virtual LRESULT OnWizardNext() { return 0; }
    // true ends the wizard, false stays.
    virtual bool OnWizardFinish() { return true; }

    // PSWIZB_* flags; posted, as the sheet may be in the middle of changing pages.
    void SetWizardButtons(DWORD flags) const;
    // Moves the sheet to the page after this one, as a pressed Next would after its handler.
    void GoToNextPage() const;

    bool OnNotify(NMHDR* header, LRESULT& result) override;
    // A page is not a dialog of its own: ending it would hide it inside a sheet that stays.
    // Enter belongs to the sheet's default button; Escape (a multi-line edit hands it to
    // the page as a close request) cancels the sheet as it does anywhere else.
    void OnOK() override {}
    void OnCancel() override;

private:
    friend class WizardSheet;
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    UINT m_templateId;
    WizardSheet* m_sheetObject = nullptr; // set when the page is added
    std::string m_caption;
    std::string m_headerTitle;
    std::string m_headerSubtitle;
};
