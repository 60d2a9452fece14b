#include "wizard/Ci_wiz_finish.h"

#include "res/resource.h"
#include "wizard/Ci_wizard.h"

CCi_wiz_finish::CCi_wiz_finish(CCi_wizard* wizard)
    : PropertyPage(IDD_CI_WIZ_FINISH, wizard->m_bEditMode ? IDS_CAPTION_EDIT_STEP4 : IDS_CAPTION_ADD_STEP4,
                   IDS_STEP4_TITLE, IDS_STEP4_SUBTITLE),
      m_pWizard(wizard)
{
}

bool CCi_wiz_finish::OnSetActive()
{
    SetWizardButtons(PSWIZB_BACK | PSWIZB_FINISH);
    return true;
}

LRESULT CCi_wiz_finish::OnWizardBack()
{
    m_pWizard->m_bResetTemplates = false;
    m_pWizard->m_bReloadTitles = false;
    return 0;
}
