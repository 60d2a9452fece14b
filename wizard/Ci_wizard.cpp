#include "wizard/Ci_wizard.h"

#include "framework/ErrorReport.h"
#include "res/resource.h"
#include "wizard/Ci_wiz_finish.h"
#include "wizard/Ci_wiz_getwndtlt.h"
#include "wizard/Ci_wiz_selwnd.h"
#include "wizard/Ci_wiz_templates.h"
#include "wizard/TitleEntries.h"

CCi_wizard::CCi_wizard(bool editMode)
    : WizardSheet(IDS_WIZARD_CAPTION, IDB_WATERMARK, IDB_HEADER),
      m_bEditMode(editMode ? TRUE : FALSE),
      m_pageSelWnd(std::make_unique<CCi_wiz_selwnd>(this)),
      m_pageGetWndTlt(std::make_unique<CCi_wiz_getwndtlt>(this)),
      m_pageTemplates(std::make_unique<CCi_wiz_templates>(this)),
      m_pageFinish(std::make_unique<CCi_wiz_finish>(this))
{
    AddPage(*m_pageSelWnd);
    AddPage(*m_pageGetWndTlt);
    AddPage(*m_pageTemplates);
    AddPage(*m_pageFinish);
}

CCi_wizard::~CCi_wizard()
{
    // The pages' windows go before the pages do.
    Destroy();
}

void CCi_wizard::StartAtTemplates(std::vector<std::string> titles)
{
    m_nStartStep = 2;
    m_arrStartTitles = std::move(titles);
}

void CCi_wizard::StartAtCapture(std::string wndClass, std::vector<std::string> titles)
{
    m_nStartStep = 1;
    m_strStartClass = std::move(wndClass);
    m_arrStartTitles = std::move(titles);
}

// After the copy of the player as it was: an edit's player stays the section it edits.
void CCi_wizard::TakeStart()
{
    SetStartPage(m_nStartStep);
    if (m_nStartStep == 0 || !m_pPlayerInfo)
        return;
    if (m_nStartStep == 1)
        m_pPlayerInfo->m_strWndClass = m_strStartClass;
    SetTitleEntries(*m_pPlayerInfo, m_arrStartTitles);
    // The flags as step 1's Next leaves them.
    m_bResetTemplates = !m_bEditMode;
    m_bReloadTitles = true;
}

INT_PTR CCi_wizard::DoModal(HWND parent)
{
    if (m_pPlayerInfo)
        m_OrigPlayerInfo = *m_pPlayerInfo;
    TakeStart();
    return WizardSheet::DoModal(parent);
}

HWND CCi_wizard::Create(HWND parent)
{
    if (m_pPlayerInfo)
        m_OrigPlayerInfo = *m_pPlayerInfo;
    TakeStart();
    return WizardSheet::Create(parent);
}

void CCi_wizard::ReportError(const char* function, const std::string& argument, DWORD code,
                             const char* sourceFile, int line)
{
    ErrorInfo_Set(&m_ErrorInfo, ErrorKind_System, code, function, argument.c_str(), sourceFile, line);
    ShowErrorInfo(&m_ErrorInfo, Hwnd());
}
