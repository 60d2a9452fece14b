#include "framework/PropertyPage.h"

#include "framework/WizardSheet.h"
#include "framework/ResString.h"

namespace {
constexpr int kNextButton = 0x3024; // the sheet's own Next button
} // namespace

PropertyPage::PropertyPage(UINT templateId, UINT captionId, UINT headerTitleId, UINT headerSubtitleId)
    : Dialog(templateId),
      m_templateId(templateId),
      m_caption(captionId ? LoadResString(captionId) : std::string()),
      m_headerTitle(headerTitleId ? LoadResString(headerTitleId) : std::string()),
      m_headerSubtitle(headerSubtitleId ? LoadResString(headerSubtitleId) : std::string())
{
}

PROPSHEETPAGEA PropertyPage::Describe()
{
    PROPSHEETPAGEA page{};
    page.dwSize = sizeof page;
    page.hInstance = ResourceModule();
    page.pszTemplate = MAKEINTRESOURCEA(m_templateId);
    page.pfnDlgProc = PageProc;
    page.lParam = reinterpret_cast<LPARAM>(this);
    if (!m_caption.empty()) {
        page.dwFlags |= PSP_USETITLE;
        page.pszTitle = m_caption.c_str();
    }
    if (!m_headerTitle.empty()) {
        page.dwFlags |= PSP_USEHEADERTITLE;
        page.pszHeaderTitle = m_headerTitle.c_str();
    }
    if (!m_headerSubtitle.empty()) {
        page.dwFlags |= PSP_USEHEADERSUBTITLE;
        page.pszHeaderSubTitle = m_headerSubtitle.c_str();
    }
    return page;
}

INT_PTR CALLBACK PropertyPage::PageProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    // The page's object travels in the copy of its description that the sheet passes.
    if (message == WM_INITDIALOG)
        lParam = reinterpret_cast<const PROPSHEETPAGEA*>(lParam)->lParam;
    return DialogProc(hwnd, message, wParam, lParam);
}

void PropertyPage::SetWizardButtons(DWORD flags) const
{
    PostMessageA(Sheet(), PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(flags));
    // With no button enabled the sheet makes Cancel its default button, and Enter would end
    // the wizard. The disabled Next as default makes Enter do nothing.
    if (flags == 0)
        PostMessageA(Sheet(), DM_SETDEFID, kNextButton, 0);
}

void PropertyPage::GoToNextPage() const
{
    const HWND sheet = Sheet();
    const int index = static_cast<int>(SendMessageA(sheet, PSM_HWNDTOINDEX, reinterpret_cast<WPARAM>(Hwnd()), 0));
    if (index >= 0)
        SendMessageA(sheet, PSM_SETCURSEL, static_cast<WPARAM>(index + 1), 0);
}

void PropertyPage::OnCancel()
{
    PostMessageA(Sheet(), PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
}

bool PropertyPage::OnNotify(NMHDR* header, LRESULT& result)
{
    if (header->hwndFrom != Sheet())
        return false;
    switch (header->code) {
    case PSN_SETACTIVE:
        result = OnSetActive() ? 0 : -1;
        return true;
    case PSN_WIZBACK:
        result = OnWizardBack();
        return true;
    case PSN_WIZNEXT:
        result = OnWizardNext();
        return true;
    case PSN_WIZFINISH:
        // The sheet takes a non-zero result as "do not finish".
        if (OnWizardFinish()) {
            if (m_sheetObject)
                m_sheetObject->m_finished = true;
            result = 0;
        } else {
            result = TRUE;
        }
        return true;
    default:
        return false;
    }
}
