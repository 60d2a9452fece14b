#pragma once
// Step 2 of the wizard: while the user plays, every new title of the player's windows is
// captured, once each; on Next the titles become the player's entries.

#include "framework/Controls.h"
#include "framework/PropertyPage.h"

class CCi_wizard;

class CCi_wiz_getwndtlt : public PropertyPage {
public:
    static constexpr UINT_PTR kCaptureTimer = 1;
    static constexpr UINT kCaptureInterval = 100; // milliseconds

    explicit CCi_wiz_getwndtlt(CCi_wizard* wizard);

    // One look at the player's windows, as the timer takes it.
    void CaptureTitles();

protected:
    BOOL OnInitDialog() override;
    bool OnSetActive() override;
    LRESULT OnWizardBack() override;
    LRESULT OnWizardNext() override;
    void OnTimer(UINT_PTR id) override;

private:
    CCi_wizard* m_pWizard;
    Edit m_editTitles;
};
