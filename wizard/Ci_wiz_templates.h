#pragma once
// Step 3 of the wizard: the templates made from the captured titles. For now the page
// keeps the captured titles as they are and moves the shared flags as the steps require.

#include "framework/PropertyPage.h"

class CCi_wizard;

class CCi_wiz_templates : public PropertyPage {
public:
    explicit CCi_wiz_templates(CCi_wizard* wizard);

protected:
    bool OnSetActive() override;
    LRESULT OnWizardBack() override;

private:
    CCi_wizard* m_pWizard;
};
