#pragma once
// A wizard-97 property sheet over the pages added to it, with header and watermark images
// (named apart from the Win32 PropertySheet macro). It runs modally, or modeless for
// tests, which press its buttons with PSM_PRESSBUTTON and look at HasEnded.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/Guards.h"

class PropertyPage;

class WizardSheet {
public:
    // What a modal run returns when the user finished the wizard.
    static constexpr INT_PTR kFinished = 0x3025;

    // String-table number of the caption; bitmap resource numbers of the images.
    WizardSheet(UINT captionId, UINT watermarkId, UINT headerId);
    virtual ~WizardSheet();
    WizardSheet(const WizardSheet&) = delete;
    WizardSheet& operator=(const WizardSheet&) = delete;

    // Pages are not owned; they must outlive the sheet's window.
    void AddPage(PropertyPage& page);
    // The page a run opens on, by its position; the first unless set.
    void SetStartPage(int page) { m_startPage = page; }

    // kFinished when the user finished, IDCANCEL otherwise (-1 when it could not be made).
    virtual INT_PTR DoModal(HWND parent = nullptr);
    // Modeless run; the window is destroyed by the object or by Destroy.
    virtual HWND Create(HWND parent = nullptr);
    void Destroy();

    HWND Hwnd() const { return m_hwnd; }
    // A modeless run has ended once the user finished or cancelled.
    bool HasEnded() const;
    bool Finished() const { return m_finished; }
    const std::string& Caption() const { return m_caption; }

    // Tests put a runner in place of every modal run, as for dialogs.
    using ModalRunner = std::function<INT_PTR(WizardSheet&, HWND parent)>;
    static ModalRunner SetModalRunner(ModalRunner runner);

private:
    friend class PropertyPage;
    INT_PTR Run(HWND parent, bool modeless);
    static int CALLBACK SheetCallback(HWND hwnd, UINT message, LPARAM lParam);

    std::string m_caption;
    UINT m_watermarkId;
    UINT m_headerId;
    GdiObject m_watermark;
    GdiObject m_header;
    std::vector<PropertyPage*> m_pages;
    HWND m_hwnd = nullptr;
    bool m_modeless = false;
    bool m_finished = false;
    int m_startPage = 0;
};
