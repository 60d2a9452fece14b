#include "wizard/Ci_wiz_getwndtlt.h"

#include "res/resource.h"
#include "wizard/Ci_wizard.h"
#include "wizard/EnumWnd.h"
#include "wizard/TitleEntries.h"

namespace {

// Error records name the reporting module.
constexpr const char* kModule = "Ci_wiz_getwndtlt";

} // namespace

CCi_wiz_getwndtlt::CCi_wiz_getwndtlt(CCi_wizard* wizard)
    : PropertyPage(IDD_CI_WIZ_GETWNDTLT, wizard->m_bEditMode ? IDS_CAPTION_EDIT_STEP2 : IDS_CAPTION_ADD_STEP2,
                   IDS_STEP2_TITLE, IDS_STEP2_SUBTITLE),
      m_pWizard(wizard)
{
}

BOOL CCi_wiz_getwndtlt::OnInitDialog()
{
    m_editTitles.Attach(Hwnd(), IDC_CAPTURED_TITLES);
    // The list is as long as the titles are; the edit's default limit would cut it.
    SendMessageA(m_editTitles.Hwnd(), EM_SETLIMITTEXT, 0, 0);
    return TRUE;
}

bool CCi_wiz_getwndtlt::OnSetActive()
{
    SetWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
    m_editTitles.SetText(TitleListText(*m_pWizard->m_pPlayerInfo));
    if (!SetTimer(Hwnd(), kCaptureTimer, kCaptureInterval, nullptr))
        m_pWizard->ReportError("SetTimer", "", GetLastError(), kModule, __LINE__);
    return true;
}

void CCi_wiz_getwndtlt::OnTimer(UINT_PTR id)
{
    if (id == kCaptureTimer)
        CaptureTitles();
}

void CCi_wiz_getwndtlt::CaptureTitles()
{
    const std::string& wndClass = m_pWizard->m_pPlayerInfo->m_strWndClass;
    if (wndClass.empty())
        return;
    EnumWnd windows;
    windows.Enumerate(GetCurrentProcessId(), wndClass, !m_pWizard->m_bShowInvisible, true);
    if (windows.Count() == 0)
        return;
    std::string text = m_editTitles.GetText();
    const std::size_t listed = text.size();
    for (int i = 0; i < windows.Count(); ++i)
        AppendTitleIfNew(text, windows.Title(i));
    // Only the new titles go in: rewriting the list would lose the user's selection and
    // place in it.
    if (text.size() > listed)
        m_editTitles.Append(text.substr(listed));
}

LRESULT CCi_wiz_getwndtlt::OnWizardBack()
{
    // Nothing is captured for a page that is not shown; activation starts it again.
    KillTimer(Hwnd(), kCaptureTimer);
    return 0;
}

LRESULT CCi_wiz_getwndtlt::OnWizardNext()
{
    SetTitleEntries(*m_pWizard->m_pPlayerInfo, ListedTitles(m_editTitles.GetText()));
    KillTimer(Hwnd(), kCaptureTimer);
    return 0;
}
