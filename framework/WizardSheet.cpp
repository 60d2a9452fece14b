#include "framework/WizardSheet.h"

#include <cstring>
#include <utility>

#include "framework/Dialog.h"
#include "framework/Dpi.h"
#include "framework/PropertyPage.h"
#include "framework/ResString.h"

namespace {

WizardSheet::ModalRunner& Runner()
{
    static WizardSheet::ModalRunner runner;
    return runner;
}

// The sheet being made: its callback learns the window before any page is active.
thread_local WizardSheet* t_creating = nullptr;

// The first wizard-97 style: the header image is a banner across the whole header,
// where the later one shows only a corner of it.
constexpr DWORD kWizard97Banner = 0x00002000;

} // namespace

WizardSheet::WizardSheet(UINT captionId, UINT watermarkId, UINT headerId)
    : m_caption(LoadResString(captionId)), m_watermarkId(watermarkId), m_headerId(headerId)
{
}

WizardSheet::~WizardSheet()
{
    Destroy();
}

WizardSheet::ModalRunner WizardSheet::SetModalRunner(ModalRunner runner)
{
    return std::exchange(Runner(), std::move(runner));
}

void WizardSheet::AddPage(PropertyPage& page)
{
    page.m_sheetObject = this;
    m_pages.push_back(&page);
}

INT_PTR WizardSheet::DoModal(HWND parent)
{
    if (Runner())
        return Runner()(*this, parent);
    return Run(parent, false);
}

HWND WizardSheet::Create(HWND parent)
{
    Run(parent, true);
    return m_hwnd;
}

void WizardSheet::Destroy()
{
    if (m_hwnd && m_modeless && IsWindow(m_hwnd))
        DestroyWindow(m_hwnd);
    m_hwnd = nullptr;
}

bool WizardSheet::HasEnded() const
{
    return !m_hwnd || !IsWindow(m_hwnd) || SendMessageA(m_hwnd, PSM_GETCURRENTPAGEHWND, 0, 0) == 0;
}

int CALLBACK WizardSheet::SheetCallback(HWND hwnd, UINT message, LPARAM lParam)
{
    if (message == PSCB_PRECREATE) {
        // A wizard has no use for the caption's help button. An extended template (its
        // second word 0xFFFF) keeps the style after its help id and extended style.
        auto* bytes = reinterpret_cast<BYTE*>(lParam);
        WORD signature = 0;
        std::memcpy(&signature, bytes + sizeof(WORD), sizeof signature);
        BYTE* styleAt = bytes + (signature == 0xFFFF ? 2 * sizeof(WORD) + 2 * sizeof(DWORD) : 0);
        DWORD style = 0;
        std::memcpy(&style, styleAt, sizeof style);
        style &= ~static_cast<DWORD>(DS_CONTEXTHELP);
        std::memcpy(styleAt, &style, sizeof style);
    } else if (message == PSCB_INITIALIZED) {
        if (t_creating)
            t_creating->m_hwnd = hwnd;
        CentreWindow(hwnd);
    }
    return 0;
}

INT_PTR WizardSheet::Run(HWND parent, bool modeless)
{
    std::vector<PROPSHEETPAGEA> descriptions;
    std::vector<HPROPSHEETPAGE> handles;
    for (PropertyPage* page : m_pages) {
        descriptions.push_back(page->Describe());
        if (HPROPSHEETPAGE handle = CreatePropertySheetPageA(&descriptions.back()))
            handles.push_back(handle);
    }

    PROPSHEETHEADERA header{};
    header.dwSize = sizeof header;
    // The images are loaded here: the sheet draws a header only from a bitmap handle. They
    // are drawn for the DPI that the sheet opens at, over its parent or on the main screen.
    const UINT dpi = parent ? WindowDpi(parent) : SystemDpi();
    m_watermark.Reset(LoadBitmapForDpi(static_cast<int>(m_watermarkId), dpi));
    m_header.Reset(LoadBitmapForDpi(static_cast<int>(m_headerId), dpi));
    header.dwFlags = PSH_WIZARD | kWizard97Banner | PSH_WATERMARK | PSH_USEHBMWATERMARK | PSH_HEADER |
                     PSH_USEHBMHEADER | PSH_USECALLBACK;
    if (modeless)
        header.dwFlags |= PSH_MODELESS;
    header.hwndParent = parent;
    header.hInstance = ResourceModule();
    header.pszCaption = m_caption.c_str();
    header.nPages = static_cast<UINT>(handles.size());
    header.nStartPage = static_cast<UINT>(m_startPage);
    header.phpage = handles.data();
    header.hbmWatermark = static_cast<HBITMAP>(m_watermark.Get());
    header.hbmHeader = static_cast<HBITMAP>(m_header.Get());
    header.pfnCallback = SheetCallback;

    m_modeless = modeless;
    m_finished = false;
    m_hwnd = nullptr;
    t_creating = this;
    const INT_PTR result = PropertySheetA(&header);
    t_creating = nullptr;
    if (modeless) {
        if (result > 0 && result != -1)
            m_hwnd = reinterpret_cast<HWND>(result);
        return result;
    }
    m_hwnd = nullptr;
    if (result == -1)
        return -1;
    return m_finished ? kFinished : IDCANCEL;
}
