#include "wizard/Ci_wiz_templates.h"

#include <algorithm>

#include "framework/Dpi.h"
#include "framework/Guards.h"
#include "framework/MessageBox.h"
#include "framework/ResString.h"
#include "paint/PaintTitleDlg.h"
#include "platform/DpiScale.h"
#include "res/resource.h"
#include "rules/TitleParser.h"
#include "wizard/AddTitleDlg.h"
#include "wizard/Ci_wizard.h"
#include "wizard/ColumnWidths.h"
#include "wizard/EditTemplateDlg.h"
#include "wizard/ProposalPainting.h"
#include "wizard/TemplateRules.h"
#include "wizard/TemplateSuggest.h"
#include "wizard/TitleEntries.h"

namespace {

// Error records name the reporting module.
constexpr const char* kModule = "Ci_wiz_templates";

// What a cell adds to the width of its text: the list's margins either side.
constexpr int kCellMargins = 12;
// The columns that say which template reads which title: "12", "0 (hidden by 12)".
constexpr int kReaderColumnWidth = 70;
constexpr int kTitlesReadColumnWidth = 100;

// Inserts the columns with the headings given: "N" first, the last one `lastWidth` wide, and
// the ones between dividing what is left of the list's client width by their shares. False
// when one could not be inserted (reported by the caller).
bool InsertColumns(const ListView& list, const std::vector<UINT>& headings, const std::vector<int>& shares,
                   int lastWidth, unsigned dpi)
{
    std::vector<int> widths =
        NumberedColumnWidths(list.ClientWidth() - lastWidth, VerticalScrollBarWidth(dpi),
                             list.StringWidth("000") + ScaleForDpi(kCellMargins, dpi), shares);
    widths.push_back(lastWidth);
    for (std::size_t i = 0; i < headings.size() && i < widths.size(); ++i)
        if (list.InsertColumn(static_cast<int>(i), LoadResString(headings[i]), widths[i]) == -1)
            return false;
    return true;
}

} // namespace

CCi_wiz_templates::CCi_wiz_templates(CCi_wizard* wizard)
    : PropertyPage(IDD_CI_WIZ_TEMPLATES, wizard->m_bEditMode ? IDS_CAPTION_EDIT_STEP3 : IDS_CAPTION_ADD_STEP3,
                   IDS_STEP3_TITLE, IDS_STEP3_SUBTITLE),
      m_pWizard(wizard)
{
}

void CCi_wiz_templates::ReportListError(const char* function, int line)
{
    m_pWizard->ReportError(function, "", GetLastError(), kModule, line);
}

BOOL CCi_wiz_templates::OnInitDialog()
{
    m_listTitles.Attach(Hwnd(), IDC_STEP3_TITLES);
    m_listTemplates.Attach(Hwnd(), IDC_STEP3_TEMPLATES);

    const unsigned dpi = Dpi();
    // A template is read closely and its example only recognised, so the template takes more.
    if (!InsertColumns(m_listTitles, {IDS_COL_N, IDS_COL_CAPTURED_TITLES, IDS_COL_INTERPRETATION, IDS_COL_READ_BY},
                       {1, 1}, ScaleForDpi(kReaderColumnWidth, dpi), dpi) ||
        !InsertColumns(m_listTemplates, {IDS_COL_N, IDS_COL_TEMPLATES, IDS_COL_EXAMPLE, IDS_COL_TITLES_READ},
                       {2, 1}, ScaleForDpi(kTitlesReadColumnWidth, dpi), dpi)) {
        ReportListError("InsertColumn", __LINE__);
        return TRUE;
    }
    // Cells cut their texts; the label tip shows a cut one whole under the mouse.
    m_listTitles.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP);
    m_listTemplates.SetExtendedStyle(LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP);

    if (m_pWizard->m_bEditMode) {
        for (const auto& stored : m_pWizard->m_FormatInfos)
            if (AppendRow(m_listTemplates, {stored->m_strFormat, stored->GetExample()}) == -1)
                break;
        RenumberRows(m_listTemplates);
    }
    return TRUE;
}

bool CCi_wiz_templates::OnSetActive()
{
    if (m_pWizard->m_bResetTemplates)
        m_listTemplates.DeleteAllItems();
    if (m_pWizard->m_bReloadTitles) {
        RedrawOff quiet(m_listTitles.Hwnd());
        m_listTitles.DeleteAllItems();
        for (const auto& entry : m_pWizard->m_pPlayerInfo->m_arrFormats)
            if (AppendRow(m_listTitles, {entry->m_strFormat}) == -1) {
                UpdateButtons();
                return true;
            }
    }
    if (m_listTemplates.GetItemCount() > 0)
        m_listTemplates.Choose(0);
    ReinterpretTitles();
    return true;
}

int CCi_wiz_templates::AppendRow(ListView& list, const std::vector<std::string>& texts)
{
    const int row = list.InsertItem(list.GetItemCount(), FormatText("%d", list.GetItemCount() + 1));
    if (row == -1) {
        ReportListError("InsertItem", __LINE__);
        return -1;
    }
    for (std::size_t i = 0; i < texts.size(); ++i)
        list.SetItemText(row, static_cast<int>(i) + 1, texts[i]);
    return row;
}

void CCi_wiz_templates::RenumberRows(const ListView& list)
{
    for (int i = 0, n = list.GetItemCount(); i < n; ++i)
        list.SetItemText(i, 0, FormatText("%d", i + 1));
}

std::vector<std::string> CCi_wiz_templates::ColumnTexts(const ListView& list, int column) const
{
    std::vector<std::string> texts;
    for (int i = 0, n = list.GetItemCount(); i < n; ++i)
        texts.push_back(list.GetItemText(i, column));
    return texts;
}

void CCi_wiz_templates::ReinterpretTitles()
{
    const int titles = m_listTitles.GetItemCount();
    const auto showError = [this](int messageId) {
        ErrorBox(FormatResText(IDS_ERROR_IN_TEMPLATE, LoadResString(static_cast<UINT>(messageId)).c_str()), Sheet());
    };
    CTitleParser parser;
    m_readings = InterpretTitles(parser, ColumnTexts(m_listTitles, m_nTitleColumn),
                                 ColumnTexts(m_listTemplates, m_nTemplateColumn), showError);
    RedrawOff quiet(m_listTitles.Hwnd());
    if (titles > 0)
        m_listTitles.Choose(0);
    for (int i = 0; i < titles; ++i) {
        stInterpretation& reading = m_readings.titles[static_cast<std::size_t>(i)];
        if (!reading.recognised) {
            m_listTitles.Choose(i);
            reading.text = LoadResString(IDS_UNRECOGNIZED);
        }
        m_listTitles.SetItemText(i, m_nInterpretationColumn, reading.text);
        m_listTitles.SetItemText(i, m_nInterpretationColumn + 1,
                                 reading.recognised ? FormatText("%d", reading.reader + 1) : std::string());
    }
    for (int j = 0, n = m_listTemplates.GetItemCount(); j < n; ++j) {
        const auto at = static_cast<std::size_t>(j);
        const int count = m_readings.counts[at], hider = m_readings.hiddenBy[at];
        m_listTemplates.SetItemText(j, m_nTemplateColumn + 2,
                                    count == 0 && hider != -1 ? FormatResText(IDS_HIDDEN_BY, hider + 1)
                                                              : FormatText("%d", count));
    }
    UpdateButtons();
}

void CCi_wiz_templates::UpdateButtons()
{
    const int titles = m_listTitles.GetItemCount(), templates = m_listTemplates.GetItemCount();
    const int titleMark = m_listTitles.GetSelectionMark(), templateMark = m_listTemplates.GetSelectionMark();
    const bool templateChosen = templateMark >= 0 && templates > 0;
    EnableControl(Item(IDC_STEP3_CREATE), titleMark >= 0 && titles > 0);
    EnableControl(Item(IDC_STEP3_SUGGEST), titles > 0);
    EnableControl(Item(IDC_STEP3_EDIT), templateChosen);
    EnableControl(Item(IDC_STEP3_DELETE), templateChosen);
    EnableControl(Item(IDC_STEP3_UP), templateChosen && templateMark != 0);
    EnableControl(Item(IDC_STEP3_DOWN), templateChosen && templateMark != templates - 1);
    EnableControl(Item(IDC_STEP3_AUTO_ORDER), templates >= 2);
    SetWizardButtons(templates > 0 ? PSWIZB_BACK | PSWIZB_NEXT : PSWIZB_BACK);
}

void CCi_wiz_templates::OnCreateTemplate()
{
    const int row = m_listTitles.GetSelectionMark();
    CPaintTitleDlg paint;
    paint.m_strTitle = row >= 0 ? m_listTitles.GetItemText(row, m_nTitleColumn) : std::string();
    if (paint.DoModal(Sheet()) != IDOK)
        return;
    AddPaintedTemplate(paint.m_strTemplate, paint.m_strTitle);
}

void CCi_wiz_templates::OnSuggestTemplates()
{
    // Proposals are made for the titles no template reads yet; each is offered painted,
    // and taken as the user leaves it.
    std::vector<std::string> unread;
    std::vector<std::size_t> unreadRows;
    const std::vector<std::string> titles = ColumnTexts(m_listTitles, m_nTitleColumn);
    for (std::size_t i = 0; i < titles.size() && i < m_readings.titles.size(); ++i) {
        if (!m_readings.titles[i].recognised) {
            unread.push_back(titles[i]);
            unreadRows.push_back(i);
        }
    }
    stSuggestHints hints;
    hints.windowClass = m_pWizard->m_pPlayerInfo->GetWndClass();
    hints.programFile = m_pWizard->m_strWndProgram;
    const std::vector<stTemplateSuggestion> proposals = SuggestTemplates(unread, hints);
    if (proposals.empty()) {
        AppMessageBox(LoadResString(unread.empty() ? IDS_SUGGEST_ALL_RECOGNIZED : IDS_SUGGEST_NOTHING),
                      MB_OK | MB_ICONINFORMATION, Sheet());
        return;
    }
    CTitleParser parser;
    const int count = static_cast<int>(proposals.size());
    for (int k = 0; k < count; ++k) {
        const stTemplateSuggestion& proposal = proposals[static_cast<std::size_t>(k)];
        // A template taken or repainted before may already read this family.
        const bool stillUnread = std::any_of(proposal.titles.begin(), proposal.titles.end(), [&](int t) {
            return !m_readings.titles[unreadRows[static_cast<std::size_t>(t)]].recognised;
        });
        if (!stillUnread)
            continue;
        std::vector<std::string> family;
        for (int t : proposal.titles)
            family.push_back(unread[static_cast<std::size_t>(t)]);
        const stProposalPainting painting = PaintProposal(parser, proposal.templateText, family);
        CPaintTitleDlg paint;
        paint.m_strTitle = family[static_cast<std::size_t>(std::max(painting.title, 0))];
        paint.m_arrMarks = painting.marks;
        paint.m_strProposal = proposal.templateText;
        const int reads = static_cast<int>(family.size());
        paint.m_strProposalName = reads == 1 ? FormatResText(IDS_PROPOSAL_NAME_ONE, k + 1, count)
                                             : FormatResText(IDS_PROPOSAL_NAME, k + 1, count, reads);
        if (paint.DoModal(Sheet()) != IDOK)
            continue;
        AddPaintedTemplate(paint.m_strTemplate, paint.m_strTitle);
    }
}

void CCi_wiz_templates::AddPaintedTemplate(const std::string& made, const std::string& example)
{
    if (m_listTemplates.FindText(m_nTemplateColumn, made) != -1)
        return;
    const int added = AppendRow(m_listTemplates, {made, example});
    if (added == -1)
        return;
    m_listTemplates.Choose(added);
    ReinterpretTitles();
}

void CCi_wiz_templates::OnAddTitle()
{
    CAddTitleDlg entry(Sheet());
    if (entry.DoModal() != IDOK)
        return;
    if (m_listTitles.FindText(m_nTitleColumn, entry.m_strTitle) != -1)
        return;
    if (AppendRow(m_listTitles, {entry.m_strTitle}) == -1)
        return;
    ReinterpretTitles();
}

void CCi_wiz_templates::OnEditTemplate()
{
    const int row = m_listTemplates.GetSelectionMark();
    if (row < 0)
        return;
    const std::string held = m_listTemplates.GetItemText(row, m_nTemplateColumn);
    CEditTemplateDlg editor(Sheet());
    editor.m_strTemplate = held;
    while (editor.DoModal() == IDOK && editor.m_strTemplate != held) {
        if (m_listTemplates.FindText(m_nTemplateColumn, editor.m_strTemplate) == -1) {
            m_listTemplates.SetItemText(row, m_nTemplateColumn, editor.m_strTemplate);
            m_listTemplates.Choose(row);
            ReinterpretTitles();
            return;
        }
        AppMessageBox(FormatText("\"%s\"\n\n%s", editor.m_strTemplate.c_str(),
                                 LoadResString(IDS_EQUAL_TEMPLATES).c_str()),
                      MB_OK, Sheet());
    }
}

void CCi_wiz_templates::OnDeleteTemplate()
{
    const int row = m_listTemplates.GetSelectionMark();
    if (row < 0)
        return;
    if (AppMessageBox(LoadResString(IDS_CONFIRM_DELETE_ITEM), MB_YESNO | MB_ICONQUESTION, Sheet()) != IDYES)
        return;
    m_listTemplates.DeleteItem(row);
    RenumberRows(m_listTemplates);
    if (const int count = m_listTemplates.GetItemCount(); count > 0)
        m_listTemplates.Choose(row < count ? row : count - 1);
    ReinterpretTitles();
}

void CCi_wiz_templates::OnMoveTemplate(int step)
{
    const int row = m_listTemplates.GetSelectionMark();
    const int other = row + step;
    if (row < 0 || other < 0 || other >= m_listTemplates.GetItemCount())
        return;
    m_listTemplates.SwapRows(row, other);
    m_listTemplates.Focus();
    m_listTemplates.Choose(other);
    RenumberRows(m_listTemplates);
    ReinterpretTitles();
}

void CCi_wiz_templates::OnAutoOrdering()
{
    const std::vector<std::string> templates = ColumnTexts(m_listTemplates, m_nTemplateColumn);
    for (int i = 0; i < static_cast<int>(templates.size()); ++i) {
        const LPARAM count = CountParameters(templates[static_cast<std::size_t>(i)]);
        if (!m_listTemplates.SetItemData(i, count) || m_listTemplates.GetItemData(i) != count) {
            ReportListError("SetItemData", __LINE__);
            return;
        }
    }
    // Rows are moved by swapping, so that each keeps every column and its item data.
    std::vector<int> at(templates.size()); // at[k]: where the row that was at k is now
    std::vector<int> row(templates.size()); // row[p]: which original row is at p
    for (std::size_t k = 0; k < at.size(); ++k)
        at[k] = row[k] = static_cast<int>(k);
    const std::vector<int> order = MostSpecificFirst(templates);
    for (int p = 0; p < static_cast<int>(order.size()); ++p) {
        const int from = at[static_cast<std::size_t>(order[static_cast<std::size_t>(p)])];
        if (from == p)
            continue;
        m_listTemplates.SwapRows(p, from);
        std::swap(row[static_cast<std::size_t>(p)], row[static_cast<std::size_t>(from)]);
        at[static_cast<std::size_t>(row[static_cast<std::size_t>(p)])] = p;
        at[static_cast<std::size_t>(row[static_cast<std::size_t>(from)])] = from;
    }
    RenumberRows(m_listTemplates);
    ReinterpretTitles();
}

LRESULT CCi_wiz_templates::OnWizardBack()
{
    m_pWizard->m_bResetTemplates = false;
    m_pWizard->m_bReloadTitles = true;
    CPlayerInfo& player = *m_pWizard->m_pPlayerInfo;
    player.RemoveAllFormats();
    for (const std::string& title : ColumnTexts(m_listTitles, m_nTitleColumn))
        player.m_arrFormats.push_back(MakeTitleEntry(title));
    return 0;
}

LRESULT CCi_wiz_templates::OnWizardNext()
{
    std::vector<stTemplateRow> rows;
    for (int i = 0, n = m_listTemplates.GetItemCount(); i < n; ++i)
        rows.push_back({m_listTemplates.GetItemText(i, m_nTemplateColumn),
                        m_listTemplates.GetItemText(i, m_nTemplateColumn + 1)});
    CPlayerInfo& player = *m_pWizard->m_pPlayerInfo;
    player.RemoveAllFormats();
    player.m_arrFormats = EntriesForTemplates(rows, m_pWizard->m_FormatInfos);
    return 0;
}

bool CCi_wiz_templates::OnCommand(int id, int code)
{
    if (code != BN_CLICKED)
        return false;
    switch (id) {
    case IDC_STEP3_CREATE:
        OnCreateTemplate();
        return true;
    case IDC_STEP3_SUGGEST:
        OnSuggestTemplates();
        return true;
    case IDC_STEP3_ADD_TITLE:
        OnAddTitle();
        return true;
    case IDC_STEP3_EDIT:
        OnEditTemplate();
        return true;
    case IDC_STEP3_DELETE:
        OnDeleteTemplate();
        return true;
    case IDC_STEP3_UP:
        OnMoveTemplate(-1);
        return true;
    case IDC_STEP3_DOWN:
        OnMoveTemplate(1);
        return true;
    case IDC_STEP3_AUTO_ORDER:
        OnAutoOrdering();
        return true;
    default:
        return false;
    }
}

bool CCi_wiz_templates::OnNotify(NMHDR* header, LRESULT& result)
{
    if (header->idFrom == IDC_STEP3_TITLES && header->code == NM_DBLCLK) {
        OnCreateTemplate();
        return true;
    }
    if (header->idFrom == IDC_STEP3_TEMPLATES && header->code == NM_CLICK) {
        UpdateButtons();
        return true;
    }
    // The keyboard moves the selection too, without a click: the row it selects is the one
    // the buttons act on.
    m_listTitles.MarkNewSelection(header);
    m_listTemplates.MarkNewSelection(header);
    if (header->idFrom == IDC_STEP3_TEMPLATES && header->code == LVN_ITEMCHANGED &&
        (reinterpret_cast<NMLISTVIEW*>(header)->uChanged & LVIF_STATE))
        UpdateButtons();
    return PropertyPage::OnNotify(header, result);
}

void CCi_wiz_templates::OnDpiChanged(UINT oldDpi, UINT newDpi)
{
    m_listTitles.RescaleColumns(oldDpi, newDpi);
    m_listTemplates.RescaleColumns(oldDpi, newDpi);
}
