#include "app/QuorvelExtPlrWizardDlg.h"

#include "app/AboutDlg.h"
#include "app/ManualEditingDlg.h"
#include "app/RunningPlayersDlg.h"
#include "framework/ErrorReport.h"
#include "framework/Guards.h"
#include "framework/MessageBox.h"
#include "framework/ResString.h"
#include "framework/SaveAsDialog.h"
#include "platform/AnsiText.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"
#include "wizard/Ci_wizard.h"
#include "wizard/WindowFilter.h"

namespace {
// Sent to itself once shown, so that the manual editor opens over the main window.
constexpr UINT kRepairRules = WM_APP + 1;

std::string FullPath(const std::string& path)
{
    std::string full(MAX_PATH, '\0');
    for (;;) {
        const DWORD n = GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (n == 0)
            return path;
        if (n < full.size()) {
            full.resize(n);
            return full;
        }
        full.resize(n);
    }
}

// Names are compared as the file system does, without regard to case.
bool SamePath(const std::string& a, const std::string& b)
{
    return lstrcmpiA(FullPath(a).c_str(), FullPath(b).c_str()) == 0;
}
} // namespace

CQuorvelExtPlrWizardDlg::CQuorvelExtPlrWizardDlg()
    : Dialog(IDD_QUORVELEXTPLRWIZARD_DIALOG),
      m_hIcon(LoadIconA(ResourceModule(), MAKEINTRESOURCEA(IDR_MAINFRAME)))
{
}

CQuorvelExtPlrWizardDlg::~CQuorvelExtPlrWizardDlg() = default;

BOOL CQuorvelExtPlrWizardDlg::OnInitDialog()
{
    m_editPath.Attach(Hwnd(), IDC_EDIT_PATH);
    m_listPlayers.Attach(Hwnd(), IDC_LIST_PLAYERS);

    if (HMENU menu = GetSystemMenu(Hwnd(), FALSE)) {
        const std::string about = LoadResString(IDS_ABOUTBOX);
        if (!about.empty()) {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
            AppendMenuA(menu, MF_STRING, IDM_ABOUTBOX, about.c_str());
        }
    }
    SendMessageA(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));

    m_pPlayers = std::make_unique<CAllPlayersInfo>();
    WaitCursor wait;
    stErrorInfo error;
    ErrorInfo_Clear(&error);
    const int result = FindRulesFile(&error, *m_pPlayers, *this);
    if (result == -1) {
        PostQuitMessage(1);
        return TRUE;
    }
    if (result == 2) {
        ErrorBox(LoadResString(IDS_HOST_NOT_INSTALLED), Hwnd());
        EnableButtons();
        return TRUE;
    }
    if (result != 0 && result != kRepairRulesFile)
        ShowErrorInfo(&error, Hwnd());
    m_listPlayers.SetCurSel(0);
    EnableButtons();
    return TRUE;
}

void CQuorvelExtPlrWizardDlg::ShowRulesPath(const std::string& path)
{
    m_editPath.SetText(path);
}

void CQuorvelExtPlrWizardDlg::RulesLoaded(const std::string& path)
{
    m_strRulesPath = path;
    m_bModified = false;
    FillPlayerList();
}

void CQuorvelExtPlrWizardDlg::RulesConverted(const std::string& path)
{
    RulesLoaded(path);
    m_bModified = true; // the file still holds what it held: OK asks to save the conversion
}

void CQuorvelExtPlrWizardDlg::RulesToRepair(const std::string& path, const std::string& text)
{
    m_strRulesPath = path;
    m_bLoadFailed = true;
    m_strUnreadRules = text;
    m_bRepairOnShow = true;
    // The failed parse leaves what it read so far; the list is empty, and so is the collection.
    *m_pPlayers = CAllPlayersInfo();
}

void CQuorvelExtPlrWizardDlg::OnShowWindow(bool show)
{
    if (show && m_bRepairOnShow) {
        m_bRepairOnShow = false;
        PostMessageA(Hwnd(), kRepairRules, 0, 0);
    }
}

void CQuorvelExtPlrWizardDlg::FillPlayerList()
{
    WaitCursor wait;
    RedrawOff quiet(m_listPlayers.Hwnd());
    m_listPlayers.ResetContent();
    for (int i = 0; i < m_pPlayers->GetPlayerCount(); ++i)
        m_listPlayers.AddString(m_pPlayers->GetPlayerName(i));
}

void CQuorvelExtPlrWizardDlg::EnableButtons()
{
    const bool selected = m_listPlayers.GetCount() > 0 && m_listPlayers.GetCurSel() >= 0;
    EnableControl(Item(IDC_EDIT_TEMPLATE), selected);
    EnableControl(Item(IDC_DELETE_TEMPLATE), selected);
    EnableControl(Item(IDC_ADD_TEMPLATE), true);
    EnableControl(Item(IDC_EDIT_MANUALLY), true);
}

int CQuorvelExtPlrWizardDlg::SaveRules()
{
    return SaveRulesTo(m_strRulesPath);
}

int CQuorvelExtPlrWizardDlg::SaveRulesTo(const std::string& path)
{
    // Only a repair may take the place of a file that could not be read.
    if (m_strUnreadRules && SamePath(path, m_strRulesPath)) {
        ErrorBox(FormatResText(IDS_RULES_NOT_READ_TARGET, path.c_str()), Hwnd());
        return -1;
    }
    if (m_pPlayers->SaveToFile(path) == 0) {
        m_bLoadFailed = false;
        return 0;
    }
    stParseError error;
    m_pPlayers->GetError(&error);
    if (error.code == kParseErrorSystem)
        ShowErrorInfo(&error.sysError, Hwnd());
    else
        ErrorBox(LoadResString(static_cast<UINT>(error.code)), Hwnd());
    return -1;
}

bool CQuorvelExtPlrWizardDlg::OnCommand(int id, int code)
{
    switch (id) {
    case IDC_ADD_TEMPLATE:
        OnAddTemplate();
        return true;
    case IDC_EDIT_TEMPLATE:
        OnEditTemplate();
        return true;
    case IDC_DELETE_TEMPLATE:
        OnDelete();
        return true;
    case IDC_RUNNING_PLAYERS:
        OnRunningPlayers();
        return true;
    case IDC_EDIT_MANUALLY:
        OnManualEditing();
        return true;
    case IDC_LIST_PLAYERS:
        if (code == LBN_SELCHANGE)
            EnableButtons();
        return true;
    case IDC_ABOUT:
        OnAbout();
        return true;
    case IDC_QUIT:
        OnQuit();
        return true;
    default:
        return false;
    }
}

void CQuorvelExtPlrWizardDlg::OnAddTemplate(const stTeachRequest* taught)
{
    auto player = std::make_unique<CPlayerInfo>();
    CCi_wizard wizard(false);
    wizard.m_pPlayerInfo = player.get();
    wizard.m_pAllPlayersInfo = m_pPlayers.get();
    if (taught)
        wizard.StartAtCapture(taught->wndClass, taught->titles);
    if (wizard.DoModal(Hwnd()) == CCi_wizard::kFinished) {
        const std::string name = player->GetName();
        m_pPlayers->AddPlayer(std::move(player));
        m_listPlayers.AddString(name);
        m_listPlayers.SetCurSel(m_listPlayers.GetCount() - 1);
        m_bModified = true;
    }
    EnableButtons();
}

void CQuorvelExtPlrWizardDlg::OnEditTemplate(const stTeachRequest* taught)
{
    const int i = m_listPlayers.GetCurSel();
    if (i < 0 || i >= m_pPlayers->GetPlayerCount()) {
        EnableButtons();
        return;
    }
    const CPlayerInfo& listed = *m_pPlayers->GetPlayer(i);
    auto player = std::make_unique<CPlayerInfo>(listed);
    CCi_wizard wizard(true);
    wizard.m_pPlayerInfo = player.get();
    wizard.m_pAllPlayersInfo = m_pPlayers.get();
    for (const auto& entry : listed.m_arrFormats)
        wizard.m_FormatInfos.push_back(std::make_unique<CFormatInfo>(*entry));
    if (taught)
        wizard.StartAtTemplates(taught->titles);
    if (wizard.DoModal(Hwnd()) == CCi_wizard::kFinished && !player->IsEqual(listed)) {
        const std::string name = player->GetName();
        m_pPlayers->SetPlayer(i, std::move(player));
        m_listPlayers.DeleteString(i);
        m_listPlayers.InsertString(i, name);
        m_listPlayers.SetCurSel(i);
        m_bModified = true;
    }
    EnableButtons();
}

void CQuorvelExtPlrWizardDlg::OnRunningPlayers()
{
    CRunningPlayersDlg view(*m_pPlayers);
    if (view.DoModal(Hwnd()) != IDOK)
        return;
    const stTeachRequest& taught = view.Request();
    if (taught.player < 0) {
        OnAddTemplate(&taught);
        return;
    }
    m_listPlayers.SetCurSel(taught.player);
    OnEditTemplate(&taught);
}

void CQuorvelExtPlrWizardDlg::OnDelete()
{
    const int i = m_listPlayers.GetCurSel();
    if (i >= 0) {
        const std::string name = m_listPlayers.GetItemText(i);
        if (AppMessageBox(FormatResText(IDS_CONFIRM_DELETE_PLAYER, name.c_str()), MB_YESNO | MB_ICONQUESTION,
                          Hwnd()) == IDYES) {
            m_listPlayers.DeleteString(i);
            const int count = m_listPlayers.GetCount();
            m_listPlayers.SetCurSel(i < count ? i : count - 1);
            m_pPlayers->RemovePlayer(i);
            m_bModified = true;
        }
    }
    EnableButtons();
}

// While the file is unread the editor opens on its text with the players added since at its
// end: whatever it accepts is a change, and the first player is selected as after a load.
void CQuorvelExtPlrWizardDlg::OnManualEditing()
{
    auto backup = std::make_unique<CAllPlayersInfo>();
    *backup = *m_pPlayers;
    const bool repair = m_strUnreadRules.has_value();
    const int i = m_listPlayers.GetCurSel();

    CManualEditingDlg editor;
    editor.m_pPlayers = m_pPlayers.get();
    if (repair)
        editor.SetRepairText(m_pPlayers->AppendPlayersText(*m_strUnreadRules));
    if (editor.DoModal(Hwnd()) == IDOK) {
        WaitCursor wait;
        if (repair || m_pPlayers->BuildText() != backup->BuildText()) {
            m_strUnreadRules.reset();
            m_bModified = true;
            FillPlayerList();
            // The first entry also when none was selected, so that Edit and Delete apply to it.
            m_listPlayers.SetCurSel(!repair && i >= 0 && i < m_pPlayers->GetPlayerCount() ? i : 0);
        }
    } else {
        // The reader does not restore what a rejected text left in the collection.
        *m_pPlayers = *backup;
    }
    EnableButtons();
}

void CQuorvelExtPlrWizardDlg::OnAbout()
{
    CAboutDlg about;
    about.DoModal(Hwnd());
}

void CQuorvelExtPlrWizardDlg::OnOK()
{
    if (!m_bModified) {
        Close();
        return;
    }
    if (m_strUnreadRules) {
        OfferRepairBeforeSave();
        return;
    }
    // Without a host there is no file to name in the question; the user names one.
    if (m_strRulesPath.empty()) {
        SaveAs();
        return;
    }
    switch (AppMessageBox(FormatResText(IDS_SAVE_CHANGES, m_strRulesPath.c_str()), MB_YESNOCANCEL, Hwnd())) {
    case IDYES:
        // A failed save keeps the dialog and the changes, so that the user can remove the
        // cause and try again, or leave with Cancel.
        if (SaveRules() == 0)
            Close();
        break;
    case IDNO:
        Close();
        break;
    default:
        break;
    }
}

// Saved over the file that could not be read, the players added since would take the place
// of every player in it: they go into its text in the editor, or to another file.
void CQuorvelExtPlrWizardDlg::OfferRepairBeforeSave()
{
    switch (AppMessageBox(FormatResText(IDS_RULES_NOT_READ, m_strRulesPath.c_str()), MB_YESNOCANCEL | MB_ICONQUESTION,
                          Hwnd())) {
    case IDYES:
        OnManualEditing();
        if (!m_strUnreadRules)
            OnOK(); // repaired, it is saved as any change is
        break;
    case IDNO:
        SaveAs();
        break;
    default:
        break;
    }
}

void CQuorvelExtPlrWizardDlg::SaveAs()
{
    stErrorInfo error;
    // It opens beside the rules file, not in whatever folder the process started in.
    const std::string folder =
        m_strRulesPath.substr(0, m_strRulesPath.size() - ProgramFileName(m_strRulesPath, AnsiCodePage()).size());
    const std::optional<std::string> path =
        AppSaveAs({Hwnd(), "Players.txt", LoadResString(IDS_SAVE_AS_FILTER), folder}, error);
    if (!path) {
        ShowErrorInfo(&error, Hwnd());
        return;
    }
    // The chosen file becomes the rules file only once saved: after a failure the next OK
    // asks again where to save, not whether to save in a file that cannot be written.
    if (SaveRulesTo(*path) != 0)
        return;
    m_strRulesPath = *path;
    m_editPath.SetText(m_strRulesPath);
    Close();
}

// A rules file that failed to load and was not saved since ends the program as the failed
// start-up would have.
void CQuorvelExtPlrWizardDlg::Close()
{
    if (m_bLoadFailed)
        PostQuitMessage(1);
    else
        EndDialog(IDOK);
}

void CQuorvelExtPlrWizardDlg::OnQuit()
{
    if (!m_bModified) {
        PostQuitMessage(m_bLoadFailed ? 1 : 0);
        return;
    }
    if (AppMessageBox(LoadResString(IDS_QUIT_WITHOUT_SAVING), MB_YESNO, Hwnd()) == IDYES)
        PostQuitMessage(1);
}

void CQuorvelExtPlrWizardDlg::OnDestroy()
{
    m_pPlayers.reset();
}

void CQuorvelExtPlrWizardDlg::PaintMinimised()
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Hwnd(), &paint);
    SendMessageA(Hwnd(), WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client;
    GetClientRect(Hwnd(), &client);
    const int cx = GetSystemMetrics(SM_CXICON), cy = GetSystemMetrics(SM_CYICON);
    DrawIcon(dc, (client.right - client.left - cx + 1) / 2, (client.bottom - client.top - cy + 1) / 2, m_hIcon);
    EndPaint(Hwnd(), &paint);
}

bool CQuorvelExtPlrWizardDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result)
{
    switch (message) {
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != IDM_ABOUTBOX)
            return false;
        OnAbout();
        result = TRUE;
        return true;
    case WM_PAINT:
        if (!IsIconic(Hwnd()))
            return false;
        PaintMinimised();
        result = TRUE;
        return true;
    case WM_QUERYDRAGICON:
        result = reinterpret_cast<INT_PTR>(m_hIcon);
        return true;
    case WM_CLOSE:
        OnQuit();
        result = TRUE;
        return true;
    case kRepairRules:
        OnManualEditing();
        result = TRUE;
        return true;
    default:
        return false;
    }
}
