#pragma once
// Step 4 of the wizard: naming the player and finishing. For now the page only ends the
// wizard and moves the shared flags as the steps require.

#include "framework/PropertyPage.h"

class CCi_wizard;

class CCi_wiz_finish : public PropertyPage {
public:
    explicit CCi_wiz_finish(CCi_wizard* wizard);

protected:
    bool OnSetActive() override;
    LRESULT OnWizardBack() override;

private:
    CCi_wizard* m_pWizard;
};
