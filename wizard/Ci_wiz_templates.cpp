#include "wizard/Ci_wiz_templates.h"

#include "res/resource.h"
#include "wizard/Ci_wizard.h"

CCi_wiz_templates::CCi_wiz_templates(CCi_wizard* wizard)
    : PropertyPage(IDD_CI_WIZ_TEMPLATES, wizard->m_bEditMode ? IDS_CAPTION_EDIT_STEP3 : IDS_CAPTION_ADD_STEP3,
                   IDS_STEP3_TITLE, IDS_STEP3_SUBTITLE),
      m_pWizard(wizard)
{
}

bool CCi_wiz_templates::OnSetActive()
{
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return true;
}

LRESULT CCi_wiz_templates::OnWizardBack()
{
    m_pWizard->m_bResetTemplates = false;
    m_pWizard->m_bReloadTitles = true;
    return 0;
}
