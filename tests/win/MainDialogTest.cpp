#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "HostFixture.h"
#include "MessageBoxRecorder.h"
#include "app/ManualEditingDlg.h"
#include "app/QuorvelExtPlrWizardDlg.h"
#include "framework/ResString.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"

namespace {

class MainDialog : public HostFixture {
protected:
    void TearDown() override
    {
        Dialog::SetModalRunner(nullptr);
        m_dialog.reset();
        TakeQuitCode();
        HostFixture::TearDown();
    }

    void Open()
    {
        m_dialog = std::make_unique<CQuorvelExtPlrWizardDlg>();
        ASSERT_NE(m_dialog->Create(nullptr), nullptr);
        PumpMessages();
    }
    HWND Dlg() const { return m_dialog->Hwnd(); }
    HWND Item(int id) const { return GetDlgItem(Dlg(), id); }
    bool Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
    void Click(int id) const
    {
        SendMessageA(Item(id), BM_CLICK, 0, 0);
        PumpMessages();
    }
    int Count() const { return static_cast<int>(SendMessageA(Item(IDC_LIST_PLAYERS), LB_GETCOUNT, 0, 0)); }
    int Selected() const { return static_cast<int>(SendMessageA(Item(IDC_LIST_PLAYERS), LB_GETCURSEL, 0, 0)); }
    std::string Entry(int i) const
    {
        char text[256] = {};
        SendMessageA(Item(IDC_LIST_PLAYERS), LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
        return text;
    }
    void Select(int i) const
    {
        SendMessageA(Item(IDC_LIST_PLAYERS), LB_SETCURSEL, i, 0);
        SendMessageA(Dlg(), WM_COMMAND, MAKEWPARAM(IDC_LIST_PLAYERS, LBN_SELCHANGE),
                     reinterpret_cast<LPARAM>(Item(IDC_LIST_PLAYERS)));
    }
    std::string PathField() const
    {
        char text[MAX_PATH] = {};
        GetWindowTextA(Item(IDC_EDIT_PATH), text, MAX_PATH);
        return text;
    }
    bool Closed() const { return m_dialog->Hwnd() == nullptr; }

    // The manual editor, driven by `drive` while it is open, then closed with its result.
    void EditManually(const std::function<void(CManualEditingDlg&)>& drive)
    {
        Dialog::SetModalRunner([&](Dialog& dialog, HWND parent) -> INT_PTR {
            auto& editor = static_cast<CManualEditingDlg&>(dialog);
            editor.Create(parent);
            PumpMessages();
            drive(editor);
            if (editor.Hwnd())
                SendMessageA(editor.Hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return editor.Result();
        });
        Click(IDC_EDIT_MANUALLY);
        Dialog::SetModalRunner(nullptr);
    }
    static void SetEditorText(CManualEditingDlg& editor, const std::string& text)
    {
        SetWindowTextA(GetDlgItem(editor.Hwnd(), IDC_EDIT_RULES), text.c_str());
    }
    static void PressOK(HWND dialog)
    {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
        PumpMessages();
    }

    MessageBoxRecorder m_boxes;
    std::unique_ptr<CQuorvelExtPlrWizardDlg> m_dialog;
};

// --- start-up ---

TEST_F(MainDialog, LoadsTheRulesOfTheHostFoundInThe32BitView)
{
    InstallHost("4.3", KEY_WOW64_32KEY);
    WriteRules(kThreePlayers);
    Open();
    EXPECT_EQ(m_boxes.Count(), 0u);
    ASSERT_EQ(Count(), 3);
    EXPECT_EQ(Entry(0), "Alpha");
    EXPECT_EQ(Entry(2), "Gamma");
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(PathField(), m_rulesPath);
    EXPECT_EQ(m_dialog->RulesPath(), m_rulesPath);
    EXPECT_FALSE(m_dialog->IsModified());
    EXPECT_TRUE(Enabled(IDC_EDIT_TEMPLATE));
    EXPECT_TRUE(Enabled(IDC_DELETE_TEMPLATE));
    EXPECT_FALSE(DispNameSupported()) << "4.3 reads no display names";
}

TEST_F(MainDialog, FindsAHostInThe64BitViewAndEnablesDisplayNames)
{
    InstallHost("6.0", KEY_WOW64_64KEY);
    WriteRules(kThreePlayers);
    Open();
    EXPECT_EQ(m_boxes.Count(), 0u);
    EXPECT_EQ(Count(), 3);
    EXPECT_TRUE(DispNameSupported());
}

TEST_F(MainDialog, AMissingOrTooOldHostIsReportedAndTheListStaysEmpty)
{
    const std::string message = LoadResString(IDS_HOST_NOT_INSTALLED);
    for (int variant = 0; variant < 3; ++variant) {
        SCOPED_TRACE(variant);
        RemoveHostKeys();
        if (variant == 1)
            InstallHost("4.2.9");
        if (variant == 2)
            InstallHost("6.0", KEY_WOW64_32KEY, /*withPath=*/false);
        WriteRules(kThreePlayers);
        Open();
        ASSERT_EQ(m_boxes.Count(), static_cast<std::size_t>(variant + 1));
        EXPECT_EQ(m_boxes.Last().text, message);
        EXPECT_EQ(m_boxes.Last().type, static_cast<UINT>(MB_ICONERROR | MB_OK));
        EXPECT_EQ(Count(), 0);
        EXPECT_EQ(PathField(), "");
        EXPECT_FALSE(Enabled(IDC_EDIT_TEMPLATE));
        EXPECT_FALSE(Enabled(IDC_DELETE_TEMPLATE));
        EXPECT_TRUE(Enabled(IDC_ADD_TEMPLATE));
        EXPECT_TRUE(Enabled(IDC_EDIT_MANUALLY));
        EXPECT_FALSE(Closed());
        EXPECT_EQ(TakeQuitCode(), -1);
    }
}

TEST_F(MainDialog, AVersionOfTheWrongTypeIsShownAndTheDialogCarriesOn)
{
    const DWORD six = 6;
    SetValue(KEY_WOW64_32KEY, "Software\\Dunmere\\Quorvel", "Version", REG_DWORD, &six, sizeof six);
    Open();
    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_EQ(m_boxes.Last().text,
              "Unexpected error 0 ()\nin the function \"(HKEY_LOCAL_MACHINE\\Software\\Dunmere\\Quorvel(Version))\".");
    EXPECT_EQ(Count(), 0);
    EXPECT_FALSE(Closed());
    EXPECT_EQ(TakeQuitCode(), -1);
}

TEST_F(MainDialog, ARulesFileWithAFaultEndsTheProgramAfterItsMessage)
{
    InstallHost("6.0");
    WriteRules("FORMAT=<Title>\r\n[A]\r\n");
    Open();
    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_EQ(m_boxes.Last().text, "Incorrect line\nLine: 1");
    EXPECT_EQ(TakeQuitCode(), 1);
}

TEST_F(MainDialog, AMissingRulesFileShowsTheSystemErrorAndEnds)
{
    InstallHost("6.0");
    Open();
    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_NE(m_boxes.Last().text.find("Unexpected error 2 ("), std::string::npos);
    EXPECT_NE(m_boxes.Last().text.find("\"CreateFile(" + m_rulesPath + ")\"."), std::string::npos);
    EXPECT_EQ(TakeQuitCode(), 1);
}

// --- delete ---

TEST_F(MainDialog, DeleteAsksAndSelectsTheEntryThatMovedUp)
{
    InstallHost("6.0");
    WriteRules(kThreePlayers);
    Open();
    Select(0);
    m_boxes.Answer(IDNO);
    Click(IDC_DELETE_TEMPLATE);
    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_EQ(m_boxes.Last().text, "Are you sure you want to delete window titles interpretation rules for Alpha?");
    EXPECT_EQ(m_boxes.Last().type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
    EXPECT_EQ(Count(), 3);
    EXPECT_FALSE(m_dialog->IsModified());

    m_boxes.Answer(IDYES);
    Click(IDC_DELETE_TEMPLATE);
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(Entry(0), "Beta");
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(m_dialog->Players()->GetPlayerName(0), "Beta");
    EXPECT_TRUE(m_dialog->IsModified());

    // The last entry: the new last one is selected.
    Select(1);
    m_boxes.Answer(IDYES);
    Click(IDC_DELETE_TEMPLATE);
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Selected(), 0);
    EXPECT_EQ(m_dialog->Players()->GetPlayerCount(), 1);
    EXPECT_EQ(m_dialog->Players()->GetPlayerName(0), "Beta");
}

TEST_F(MainDialog, DeletingTheOnlyPlayerThenSavingShowsTheEmptyMessageAndKeepsTheFile)
{
    InstallHost("6.0");
    const std::string one = "[Solo]\r\nCLASSNAME=\"S\"\r\nFORMAT=\"<Title>\"\r\n";
    WriteRules(one);
    Open();
    m_boxes.Answer(IDYES);
    Click(IDC_DELETE_TEMPLATE);
    EXPECT_EQ(Count(), 0);
    EXPECT_FALSE(Enabled(IDC_EDIT_TEMPLATE));
    EXPECT_FALSE(Enabled(IDC_DELETE_TEMPLATE));

    m_boxes.Answer(IDYES);
    Click(IDOK);
    ASSERT_EQ(m_boxes.Count(), 3u);
    EXPECT_EQ(m_boxes.Boxes()[1].text, "Save changes in " + m_rulesPath + " ?");
    EXPECT_EQ(m_boxes.Boxes()[1].type, static_cast<UINT>(MB_YESNOCANCEL));
    EXPECT_EQ(m_boxes.Last().text, "There are no player descriptions found");
    EXPECT_EQ(ReadRules(), one);
    EXPECT_FALSE(Closed()) << "a failed save keeps the dialog and the changes";
    EXPECT_TRUE(m_dialog->IsModified());
}

// --- OK and quit ---

TEST_F(MainDialog, OkWithoutChangesClosesWithoutAQuestion)
{
    InstallHost("6.0");
    WriteRules(kThreePlayers);
    Open();
    Click(IDOK);
    EXPECT_EQ(m_boxes.Count(), 0u);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(m_dialog->Result(), IDOK);
    EXPECT_EQ(ReadRules(), kThreePlayers);
}

TEST_F(MainDialog, OkAfterAChangeSavesOnYesAndNotOnNoAndStaysOnCancel)
{
    InstallHost("6.0");
    const std::string expected = kThreePlayers.substr(0, kThreePlayers.find("[Beta]")) +
                                 kThreePlayers.substr(kThreePlayers.find("[Gamma]"));
    for (int answer : {IDCANCEL, IDNO, IDYES}) {
        SCOPED_TRACE(answer);
        WriteRules(kThreePlayers);
        Open();
        Select(1);
        m_boxes.Answer(IDYES);
        Click(IDC_DELETE_TEMPLATE);
        m_boxes.Answer(answer);
        Click(IDOK);
        EXPECT_EQ(Closed(), answer != IDCANCEL);
        EXPECT_EQ(ReadRules(), answer == IDYES ? expected : kThreePlayers);
    }
}

TEST_F(MainDialog, AFailedSaveKeepsTheDialogOpenUntilTheCauseIsRemoved)
{
    InstallHost("6.0");
    WriteRules(kThreePlayers);
    Open();
    m_boxes.Answer(IDYES);
    Click(IDC_DELETE_TEMPLATE);
    // The host's folder has gone since the start.
    DeleteFileA(m_rulesPath.c_str());
    ASSERT_TRUE(RemoveDirectoryA(m_folder.c_str()));
    m_boxes.Answer(IDYES);
    Click(IDOK);
    ASSERT_FALSE(Closed());
    ASSERT_EQ(m_boxes.Count(), 3u);
    EXPECT_EQ(m_boxes.Last().text.find("Unexpected error 3 ("), 0u);
    EXPECT_EQ(m_boxes.Last().type, static_cast<UINT>(MB_ICONERROR | MB_OK));
    EXPECT_TRUE(m_dialog->IsModified());

    CreateDirectoryA(m_folder.c_str(), nullptr);
    m_boxes.Answer(IDYES);
    Click(IDOK);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(ReadRules().find("[Alpha]"), std::string::npos);
}

TEST_F(MainDialog, EscapeDoesNothingAndQuitAsksOnlyAfterAChange)
{
    InstallHost("6.0");
    WriteRules(kThreePlayers);
    Open();
    SendMessageA(Dlg(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_FALSE(Closed());
    SendMessageA(Dlg(), WM_CLOSE, 0, 0);
    EXPECT_EQ(m_boxes.Count(), 0u);
    EXPECT_EQ(TakeQuitCode(), 0);

    m_boxes.Answer(IDYES);
    Click(IDC_DELETE_TEMPLATE);
    m_boxes.Answer(IDNO);
    Click(IDC_QUIT);
    EXPECT_EQ(m_boxes.Last().text, "Would you like to quit without saving changes?");
    EXPECT_EQ(m_boxes.Last().type, static_cast<UINT>(MB_YESNO));
    EXPECT_EQ(TakeQuitCode(), -1);
    m_boxes.Answer(IDYES);
    SendMessageA(Dlg(), WM_CLOSE, 0, 0);
    EXPECT_EQ(TakeQuitCode(), 1);
    EXPECT_EQ(ReadRules(), kThreePlayers) << "nothing is saved on the quit path";
}

TEST_F(MainDialog, TheSystemMenuCarriesTheAboutItem)
{
    InstallHost("6.0");
    WriteRules(kThreePlayers);
    Open();
    HMENU menu = GetSystemMenu(Dlg(), FALSE);
    const int n = GetMenuItemCount(menu);
    char text[128] = {};
    GetMenuStringA(menu, n - 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&About QuorvelExtPlrWizard ...");
    EXPECT_EQ(GetMenuItemID(menu, n - 1), static_cast<UINT>(IDM_ABOUTBOX));

    int aboutRuns = 0;
    Dialog::SetModalRunner([&](Dialog&, HWND) -> INT_PTR { ++aboutRuns; return IDOK; });
    SendMessageA(Dlg(), WM_SYSCOMMAND, IDM_ABOUTBOX + 3, 0);
    Click(IDC_ABOUT);
    EXPECT_EQ(aboutRuns, 2);
}

// --- manual editing ---

TEST_F(MainDialog, ManualEditingTakesAcceptedTextAndKeepsTheSelectionWhereValid)
{
    InstallHost("6.0");
    WriteRules(kThreePlayers);
    Open();
    Select(2);
    EditManually([](CManualEditingDlg& editor) {
        char text[2048] = {};
        GetDlgItemTextA(editor.Hwnd(), IDC_EDIT_RULES, text, sizeof text);
        EXPECT_EQ(std::string(text), kThreePlayers);
        PressOK(editor.Hwnd());
    });
    EXPECT_FALSE(m_dialog->IsModified()) << "the same text changes nothing";
    EXPECT_EQ(Selected(), 2);

    EditManually([](CManualEditingDlg& editor) {
        SetEditorText(editor, "[One]\r\nCLASSNAME=\"1\"\r\nFORMAT=\"<Title>\"\r\n[Two]\r\nCLASSNAME=\"2\"\r\nFORMAT=\"<Title>\"");
        PressOK(editor.Hwnd());
        EXPECT_EQ(editor.Hwnd(), nullptr);
    });
    EXPECT_TRUE(m_dialog->IsModified());
    ASSERT_EQ(Count(), 2);
    EXPECT_EQ(Entry(1), "Two");
    EXPECT_EQ(Selected(), 0) << "the old selection is past the new end";
}

TEST_F(MainDialog, ARejectedManualEditSelectsTheFaultAndCancelRestoresTheCollection)
{
    InstallHost("6.0");
    WriteRules(kThreePlayers);
    Open();
    const std::string before = m_dialog->Players()->BuildText();
    EditManually([&](CManualEditingDlg& editor) {
        HWND edit = GetDlgItem(editor.Hwnd(), IDC_EDIT_RULES);
        DWORD start = 0, end = 0;

        // A template fault: exactly the faulty name within its line.
        SetEditorText(editor, "[A]\r\nCLASSNAME=\"a\"\r\nFORMAT=\"<Artist> - <Titel>\"\r\n");
        PressOK(editor.Hwnd());
        ASSERT_NE(editor.Hwnd(), nullptr);
        EXPECT_EQ(m_boxes.Last().text, "Unknown parameter");
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        const DWORD line2 = static_cast<DWORD>(SendMessageA(edit, EM_LINEINDEX, 2, 0));
        EXPECT_EQ(start, line2 + 8 + 12);
        EXPECT_EQ(end, start + 5);

        // Any other fault: the whole line.
        SetEditorText(editor, "[A]\r\nCLASSNAME=\"a\"\r\nFORMAT=<Title>\r\n");
        PressOK(editor.Hwnd());
        EXPECT_EQ(m_boxes.Last().text, "Incorrect line");
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, line2);
        EXPECT_EQ(end, line2 + 14);

        // No players at all: the caret at the start, nothing selected.
        SetEditorText(editor, "");
        PressOK(editor.Hwnd());
        EXPECT_EQ(m_boxes.Last().text, "There are no player descriptions found");
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 0u);
        EXPECT_EQ(m_boxes.Last().type, static_cast<UINT>(MB_ICONERROR | MB_OK));
    });
    EXPECT_EQ(m_dialog->Players()->BuildText(), before);
    EXPECT_EQ(Count(), 3);
    EXPECT_FALSE(m_dialog->IsModified());
}

TEST_F(MainDialog, TheManualEditorOpensWithTheCaretAtTheStart)
{
    InstallHost("6.0");
    WriteRules(kThreePlayers);
    Open();
    EditManually([](CManualEditingDlg& editor) {
        HWND edit = GetDlgItem(editor.Hwnd(), IDC_EDIT_RULES);
        DWORD start = 1, end = 1;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, 0u);
        EXPECT_EQ(end, 0u);
        EXPECT_EQ(GetFocus(), edit);
    });
}

} // namespace
