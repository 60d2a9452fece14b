#include "paint/PaintTitleDlg.h"

#include <iterator>
#include <string>

#include "framework/Dpi.h"
#include "framework/ErrorReport.h"
#include "framework/Guards.h"
#include "framework/MessageBox.h"
#include "framework/ResString.h"
#include "platform/AnsiText.h"
#include "platform/DpiScale.h"
#include "res/resource.h"
#include "rules/TpTemplate.h"

namespace {

const std::span<const stMarker> kMarkers = PaintMarkers();
constexpr std::size_t kBasicMarkers = 4;

// Swatches frame their buttons by this many pixels (at 96 DPI) on every side.
constexpr int kSwatchBorder = 5;
// The height of the fields' font: 15 points.
constexpr int kTitleTwips = 300;
// Below the lowest control shown, as the template's own margins.
constexpr int kBottomMarginDlu = 7;

// The bitmap of marker number 0.
int BitmapOfMarker(int marker)
{
    return marker == kMarkerConstant ? IDB_MARKER_CONSTANT : marker;
}

// Unused parts carry no tag, so they alone make no template.
bool CanBuildTemplate(const CPaintCaption& caption)
{
    const int count = caption.GetDescCount();
    return count > 1 || (count == 1 && caption.GetDesc(0).marker != IDB_MARKER_UNUSED);
}

class WindowDC {
public:
    explicit WindowDC(HWND hwnd) : m_hwnd(hwnd), m_dc(GetDC(hwnd)) {}
    ~WindowDC()
    {
        if (m_dc)
            ReleaseDC(m_hwnd, m_dc);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return m_dc; }

private:
    HWND m_hwnd;
    HDC m_dc;
};

} // namespace

void CPaintTitleDlg::RichEdit::SetSel(int start, int end) const
{
    CHARRANGE range{start, end};
    Send(EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void CPaintTitleDlg::RichEdit::GetSel(int& start, int& end) const
{
    CHARRANGE range{};
    Send(EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    start = range.cpMin;
    end = range.cpMax;
}

CPaintTitleDlg::CPaintTitleDlg() : Dialog(IDD_PAINT_TITLE), m_pErrorInfo(&m_ErrorInfo) {}

std::span<const stMarker> CPaintTitleDlg::Markers()
{
    return PaintMarkers();
}

void CPaintTitleDlg::Report(const char* function, int line, DWORD code)
{
    ErrorInfo_Set(m_pErrorInfo, ErrorKind_System, code, function, "", "PaintTitleDlg", line);
    ShowErrorInfo(m_pErrorInfo, Hwnd());
}

COLORREF CPaintTitleDlg::GetColByBmpID(int bitmap)
{
    GdiObject image(LoadBitmapA(ResourceModule(), MAKEINTRESOURCEA(bitmap)));
    if (!image) {
        Report("GetColByBmpID", __LINE__);
        return CLR_INVALID;
    }
    WindowDC window(Hwnd());
    MemoryDC memory(window.Get());
    if (!memory) {
        Report("CreateCompatibleDC", __LINE__);
        return CLR_INVALID;
    }
    SelectedObject selected(memory.Get(), image.Get());
    return GetPixel(memory.Get(), 0, 0);
}

CHARFORMATA CPaintTitleDlg::MakeFormat(COLORREF colour) const
{
    CHARFORMATA format{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_ALL;
    format.dwEffects = CFE_BOLD | CFE_UNDERLINE;
    // Without a colour the text takes the window's, rather than an undefined one.
    if (colour == CLR_INVALID)
        format.dwEffects |= CFE_AUTOCOLOR;
    format.yHeight = RichEditTwips(kTitleTwips, Dpi(), SystemDpi());
    format.yOffset = 0;
    format.crTextColor = colour == CLR_INVALID ? 0 : colour;
    format.bCharSet = ANSI_CHARSET;
    format.bPitchAndFamily = FIXED_PITCH | FF_ROMAN;
    CopyCut(format.szFaceName, "Courier New");
    return format;
}

BOOL CPaintTitleDlg::OnInitDialog()
{
    m_btnToggle.Attach(Hwnd(), IDC_TOGGLE_MARKERS);
    m_editExample.Attach(Hwnd(), IDC_PAINT_EXAMPLE);
    m_editTitle.Attach(Hwnd(), IDC_PAINT_TITLE);
    Initialise();
    ShowProposal();
    if (m_arrMarks.empty())
        return TRUE;
    // Proposed marks are shown in their colours, not under a selection of the whole title.
    m_editTitle.Focus();
    m_editTitle.SetSel(0, 0);
    return FALSE;
}

// The first failure, reported, ends the initialisation where it is.
void CPaintTitleDlg::Initialise()
{
    CHARFORMATA format = MakeFormat(GetColByBmpID(IDB_MARKER_CONSTANT));
    if (!m_editTitle.SetDefaultCharFormat(format)) {
        Report("SetDefaultCharFormat", __LINE__);
        return;
    }
    if (!m_strTitle.empty()) {
        m_editTitle.SetBackgroundColor(RGB(255, 255, 255));
        m_editTitle.SetText(m_strTitle);
        m_editTitle.SetSel(0, -1);
        if (!m_editTitle.SetSelectionCharFormat(format)) {
            Report("SetSelectionCharFormat", __LINE__);
            return;
        }
        m_PaintCaption.SetCaption(m_strTitle, IsAnsiLeadByte);
    }

    if (!PaintExample(format))
        return;

    GetWindowRect(Hwnd(), &m_rcWindow);
    m_editExample.SetBackgroundColor(GetSysColor(COLOR_BTNFACE));
    SetSwatchImages();
    for (std::size_t i = 0; i < kBasicMarkers; ++i) {
        PlaceSwatch(kMarkers[i].button, kMarkers[i].swatch);
        ShowWindow(Item(kMarkers[i].swatch), SW_SHOW);
    }
    m_editTitle.KeepSelectionVisible();
    m_bCollapsed = 0;
    ToggleAdditionalMarkers();
    EnableWindow(Item(IDOK), FALSE);
    ApplyMarks();
}

bool CPaintTitleDlg::PaintExample(CHARFORMATA& format)
{
    if (!m_editExample.SetDefaultCharFormat(format)) {
        Report("SetDefaultCharFormat", __LINE__);
        return false;
    }
    m_editExample.SetText(LoadResString(IDS_SAMPLE_TITLE));
    const struct {
        int start, end, bitmap;
    } examples[] = {{0, 1, IDB_MARKER_TRACK}, {3, 15, IDB_MARKER_ARTIST}, {18, 29, IDB_MARKER_TITLE}};
    for (const auto& part : examples) {
        const COLORREF colour = GetColByBmpID(part.bitmap);
        if (colour == CLR_INVALID)
            continue; // reported; the part stays in the Constant colour
        CHARFORMATA coloured = format;
        coloured.dwEffects &= ~CFE_AUTOCOLOR;
        coloured.crTextColor = colour;
        m_editExample.SetSel(part.start, part.end);
        if (!m_editExample.SetSelectionCharFormat(coloured)) {
            Report("SetSelectionCharFormat", __LINE__);
            return false;
        }
    }
    return true;
}

// The swatches show the images drawn for the dialog's DPI, centred, never stretched; the
// rest of a swatch larger than its image is filled with the image's colour (by the control
// on Windows, by the background brush given here under Wine, whose control fills with it).
void CPaintTitleDlg::SetSwatchImages()
{
    for (std::size_t i = 0; i < std::size(kMarkers); ++i) {
        GdiObject image(LoadBitmapForDpi(kMarkers[i].bitmap, Dpi()));
        if (!image)
            continue; // the swatch keeps the image it has
        MemoryDC memory(nullptr);
        if (memory) {
            SelectedObject selected(memory.Get(), image.Get());
            m_swatchBrushes[i].Reset(CreateSolidBrush(GetPixel(memory.Get(), 0, 0)));
        }
        const auto replaced = reinterpret_cast<HGDIOBJ>(
            SendMessageA(Item(kMarkers[i].swatch), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image.Get())));
        // The first image replaced is the one the control loaded from the template.
        if (replaced && replaced != m_swatchImages[i].Get())
            DeleteObject(replaced);
        m_swatchImages[i] = std::move(image);
    }
}

void CPaintTitleDlg::ApplyMarks()
{
    if (m_arrMarks.empty() && m_strProposal.empty())
        return;
    ::ApplyMarks(m_PaintCaption, m_arrMarks);
    if (!m_strProposal.empty()) {
        std::string built;
        m_bKeepProposal = m_PaintCaption.BuildTemplate(built) != 0 || built != m_strProposal;
    }
    Repaint();
    EnableOk();
}

void CPaintTitleDlg::EnableOk()
{
    EnableWindow(Item(IDOK), m_bKeepProposal || CanBuildTemplate(m_PaintCaption) ? TRUE : FALSE);
}

// Which proposal this is, what OK takes while the marks cannot show it, and that Cancel
// leaves the other proposals to come.
void CPaintTitleDlg::ShowProposal()
{
    if (m_strProposalName.empty())
        return;
    SetWindowTextA(Item(IDC_PAINT_PROPOSAL),
                   m_bKeepProposal ? FormatResText(IDS_PROPOSAL_KEPT, m_strProposalName.c_str(), m_strProposal.c_str()).c_str()
                                   : m_strProposalName.c_str());
    SetWindowTextA(Item(IDC_PAINT_SKIP_NOTE), LoadResString(IDS_PROPOSAL_SKIP).c_str());
    ShowWindow(Item(IDC_PAINT_PROPOSAL), SW_SHOW);
    ShowWindow(Item(IDC_PAINT_SKIP_NOTE), SW_SHOW);
}

bool CPaintTitleDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result)
{
    if (message != WM_CTLCOLORSTATIC)
        return false;
    for (std::size_t i = 0; i < std::size(kMarkers); ++i) {
        if (reinterpret_cast<HWND>(lParam) == Item(kMarkers[i].swatch) && m_swatchBrushes[i]) {
            result = reinterpret_cast<INT_PTR>(m_swatchBrushes[i].Get());
            return true;
        }
    }
    return false;
}

void CPaintTitleDlg::OnDpiChanged(UINT oldDpi, UINT newDpi)
{
    // The system has rescaled the controls and the window; what is sized here follows.
    GetWindowRect(Hwnd(), &m_rcWindow);
    SetSwatchImages();
    for (std::size_t i = 0; i < kBasicMarkers; ++i)
        PlaceSwatch(kMarkers[i].button, kMarkers[i].swatch);
    ShowAdditionalMarkers(!m_bCollapsed);
    FitHeight();
    CHARFORMATA format = MakeFormat(GetColByBmpID(IDB_MARKER_CONSTANT));
    if (PaintExample(format))
        Repaint();
}

bool CPaintTitleDlg::OnCommand(int id, int code)
{
    if (code != BN_CLICKED)
        return false;
    if (id == IDC_TOGGLE_MARKERS) {
        ToggleAdditionalMarkers();
        return true;
    }
    for (const stMarker& marker : kMarkers) {
        if (marker.button == id) {
            OnMarker(marker);
            return true;
        }
    }
    return false;
}

void CPaintTitleDlg::OnMarker(const stMarker& marker)
{
    int start = 0, end = 0;
    m_editTitle.GetSel(start, end);
    const CCaptionChars& chars = m_PaintCaption.GetChars();
    const int number = MarkerNumber(marker);
    m_PaintCaption.AddRange(chars.ToByte(start), chars.ToByte(end), number, marker.name, marker.multiple);
    // From the first mark of the user's own, OK takes what the marks show.
    if (m_bKeepProposal) {
        m_bKeepProposal = false;
        ShowProposal();
    }
    // Every selection of the repaint scrolls the field to it; the user's view of a long
    // title stays where it was, without the field showing the jumps.
    const POINT view = m_editTitle.GetScrollPos();
    SendMessageA(m_editTitle.Hwnd(), WM_SETREDRAW, FALSE, 0);
    Repaint();
    EnableOk();
    m_editTitle.SetSel(start, end);
    m_editTitle.SetScrollPos(view);
    SendMessageA(m_editTitle.Hwnd(), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(m_editTitle.Hwnd(), nullptr, TRUE);
}

void CPaintTitleDlg::Repaint()
{
    CHARFORMATA format = MakeFormat(GetColByBmpID(IDB_MARKER_CONSTANT));
    if (!m_editTitle.SetDefaultCharFormat(format)) {
        Report("SetDefaultCharFormat", __LINE__);
        return;
    }
    m_editTitle.SetSel(0, -1);
    if (!m_editTitle.SetSelectionCharFormat(format)) {
        Report("SetSelectionCharFormat", __LINE__);
        return;
    }
    for (int i = 0; i < m_PaintCaption.GetDescCount(); ++i) {
        const stParamDesc& desc = m_PaintCaption.GetDesc(i);
        const COLORREF colour = GetColByBmpID(BitmapOfMarker(desc.marker));
        if (colour == CLR_INVALID)
            continue; // reported; the part stays in the Constant colour
        CHARFORMATA coloured{};
        coloured.cbSize = sizeof coloured;
        coloured.dwMask = CFM_COLOR;
        coloured.crTextColor = colour;
        const CCaptionChars& chars = m_PaintCaption.GetChars();
        for (const stParamRange& range : desc.ranges) {
            m_editTitle.SetSel(chars.ToChar(range.start), chars.ToChar(range.end));
            if (!m_editTitle.SetSelectionCharFormat(coloured))
                Report("SetSelectionCharFormat", __LINE__);
        }
    }
}

void CPaintTitleDlg::ToggleAdditionalMarkers()
{
    if (!FitHeight(!m_bCollapsed))
        return;
    m_bCollapsed = !m_bCollapsed;
    m_btnToggle.SetText(LoadResString(m_bCollapsed ? IDS_SHOW_ADDITIONAL_MARKERS : IDS_HIDE_ADDITIONAL_MARKERS));
    ShowAdditionalMarkers(!m_bCollapsed);
}

// The window is made just high enough to show the lowest control of the state.
bool CPaintTitleDlg::FitHeight(bool collapsed)
{
    const int lowest = collapsed ? IDOK : IDC_ADDITIONAL_MARKERS;
    RECT control, window, client, margin{0, 0, 0, kBottomMarginDlu};
    GetWindowRect(Item(lowest), &control);
    MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&control), 2);
    GetWindowRect(Hwnd(), &window);
    GetClientRect(Hwnd(), &client);
    MapDialogRect(Hwnd(), &margin);
    const int frame = (window.bottom - window.top) - (client.bottom - client.top);
    const int width = m_rcWindow.right - m_rcWindow.left;
    const int height = control.bottom + margin.bottom + frame;

    if (!SetWindowPos(Hwnd(), nullptr, 0, 0, width, height, SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOZORDER)) {
        const DWORD code = GetLastError();
        const std::string call = FormatText("SetWindowPos(%u, %u, %u, %u, SWP_SHOWWINDOW|SWP_NOMOVE)", 0u, 0u,
                                            static_cast<unsigned>(width), static_cast<unsigned>(height));
        Report(call.c_str(), __LINE__, code);
        return false;
    }
    return true;
}

void CPaintTitleDlg::ShowAdditionalMarkers(bool show)
{
    const int command = show ? SW_SHOW : SW_HIDE;
    for (std::size_t i = kBasicMarkers; i < std::size(kMarkers); ++i) {
        PlaceSwatch(kMarkers[i].button, kMarkers[i].swatch);
        ShowWindow(Item(kMarkers[i].swatch), command);
        ShowWindow(Item(kMarkers[i].button), command);
    }
    ShowWindow(Item(IDC_ADDITIONAL_MARKERS), command);
}

void CPaintTitleDlg::PlaceSwatch(int button, int swatch) const
{
    RECT r;
    GetWindowRect(Item(button), &r);
    MapWindowPoints(nullptr, Hwnd(), reinterpret_cast<POINT*>(&r), 2);
    const int border = ScaleForDpi(kSwatchBorder, Dpi());
    SetWindowPos(Item(swatch), nullptr, r.left - border, r.top - border, r.right - r.left + 2 * border,
                 r.bottom - r.top + 2 * border,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void CPaintTitleDlg::OnOK()
{
    if (m_bKeepProposal)
        m_strTemplate = m_strProposal;
    else if (m_PaintCaption.BuildTemplate(m_strTemplate) != 0) {
        m_strTemplate.clear();
        ErrorBox(LoadResString(IDS_PAINT_NO_PARAMETERS), Hwnd());
        return;
    }
    // Angle brackets in the painted constant text would make unknown parameters, which
    // the rules file reader refuses: checked here, before the template reaches the rules.
    CTpTemplate parsed;
    if (parsed.Parse(m_strTemplate, '<', '>') != 0 || parsed.CheckParameters() != 0) {
        stParseError error;
        parsed.GetErrorInfo(&error);
        const std::string message = LoadResString(static_cast<UINT>(error.code));
        ErrorBox(FormatResText(IDS_ERROR_IN_TEMPLATE, message.c_str()), Hwnd());
        return;
    }
    EndDialog(IDOK);
}
