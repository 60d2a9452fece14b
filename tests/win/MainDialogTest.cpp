#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "HostFixture.h"
#include "MessageBoxRecorder.h"
#include "SaveAsRecorder.h"
#include "app/AboutDlg.h"
#include "app/ManualEditingDlg.h"
#include "app/QuorvelExtPlrWizardDlg.h"
#include "framework/ResString.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"
#include "wizard/Ci_wizard.h"

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

    // Shown as the modal loop shows it, which opens the manual editor on a file to repair.
    void Show() const
    {
        ShowWindow(Dlg(), SW_SHOWNORMAL);
        PumpMessages();
    }

    // The manual editor, driven by `drive` while it is open, then closed with its result;
    // `open` opens it, the command button unless given.
    void EditManually(const std::function<void(CManualEditingDlg&)>& drive, const std::function<void()>& open = {})
    {
        Dialog::SetModalRunner([&](Dialog& dialog, HWND parent) -> INT_PTR {
            auto& editor = static_cast<CManualEditingDlg&>(dialog);
            editor.Create(parent);
            ShowWindow(editor.Hwnd(), SW_SHOWNORMAL); // as the modal loop does
            PumpMessages();
            drive(editor);
            if (editor.Hwnd())
                SendMessageA(editor.Hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            return editor.Result();
        });
        if (open)
            open();
        else
            Click(IDC_EDIT_MANUALLY);
        Dialog::SetModalRunner(nullptr);
    }
    static std::string EditorText(CManualEditingDlg& editor)
    {
        HWND edit = GetDlgItem(editor.Hwnd(), IDC_EDIT_RULES);
        std::string text(GetWindowTextLengthA(edit) + 1, '\0');
        text.resize(GetWindowTextA(edit, text.data(), static_cast<int>(text.size())));
        return text;
    }
    static std::pair<DWORD, DWORD> EditorSelection(CManualEditingDlg& editor)
    {
        DWORD start = 0, end = 0;
        SendMessageA(GetDlgItem(editor.Hwnd(), IDC_EDIT_RULES), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return {start, end};
    }
    std::string RepairQuestion(const std::string& fault, const std::string& encoding = "") const
    {
        return fault + "\nFile: " + m_rulesPath + encoding +
               "\n\nWould you like to open the file in the manual editor to repair it?";
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

TEST_F(MainDialog, AnUnreadableHostKeyIsShownAndTheDialogCarriesOn)
{
    InstallHost("6.0");
    WriteRules(kThreePlayers);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Dunmere\\Quorvel", 0, WRITE_DAC | KEY_WOW64_32KEY, &key), 0);
    // An empty access list lets nobody read the key; a null one, set again at the end, lets everybody.
    auto setAccessList = [key](ACL* list) {
        SECURITY_DESCRIPTOR descriptor;
        InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION);
        SetSecurityDescriptorDacl(&descriptor, TRUE, list, FALSE);
        return RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &descriptor);
    };
    ACL empty;
    InitializeAcl(&empty, sizeof empty, ACL_REVISION);
    ASSERT_EQ(setAccessList(&empty), 0);
    Open();
    EXPECT_EQ(setAccessList(nullptr), 0);
    RegCloseKey(key);

    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_EQ(m_boxes.Last().text.find("Unexpected error 5 ("), 0u);
    EXPECT_NE(m_boxes.Last().text.find("\"RegOpenKeyEx(HKEY_LOCAL_MACHINE\\Software\\Dunmere\\Quorvel)\"."),
              std::string::npos);
    EXPECT_EQ(Count(), 0);
    EXPECT_FALSE(Closed());
    EXPECT_EQ(TakeQuitCode(), -1);
}

TEST_F(MainDialog, ADisplayNameLineOnA43HostIsRepairedInTheManualEditorAndSaved)
{
    InstallHost("4.3");
    std::ifstream data(QEW_TEST_DATA_DIR "/PlayersDispName.txt", std::ios::binary);
    const std::string rules{std::istreambuf_iterator<char>(data), std::istreambuf_iterator<char>()};
    const std::string dispName = "DISPNAME=\"Sample Player\"";
    std::string repaired = rules;
    repaired.erase(rules.find(dispName), dispName.size() + 2);
    WriteRules(rules);
    m_boxes.Answer(IDYES);
    Open();
    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_EQ(m_boxes.Last().text, RepairQuestion("Incorrect line\nLine: 5"));
    EXPECT_EQ(m_boxes.Last().type, static_cast<UINT>(MB_YESNO | MB_ICONERROR));
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(PathField(), m_rulesPath);

    EditManually(
        [&](CManualEditingDlg& editor) {
            EXPECT_EQ(EditorText(editor), rules);
            const auto line4 = static_cast<DWORD>(SendMessageA(editor.Item(IDC_EDIT_RULES), EM_LINEINDEX, 4, 0));
            EXPECT_EQ(EditorSelection(editor), std::make_pair(line4, line4 + static_cast<DWORD>(dispName.size())));
            SetEditorText(editor, repaired);
            PressOK(editor.Hwnd());
        },
        [&] { Show(); });
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Selected(), 0);
    EXPECT_TRUE(m_dialog->IsModified());
    EXPECT_EQ(ReadRules(), rules) << "not before the save question";

    m_boxes.Answer(IDYES);
    Click(IDOK);
    EXPECT_EQ(m_boxes.Last().text, "Save changes in " + m_rulesPath + " ?");
    EXPECT_TRUE(Closed());
    EXPECT_EQ(TakeQuitCode(), -1) << "saved, it ends as any OK does";
    EXPECT_EQ(ReadRules(), repaired);
}

TEST_F(MainDialog, CancelInTheRepairEditorLeavesAnEmptyListAndQuitEndsWithCodeOne)
{
    InstallHost("6.0");
    const std::string rules = "[A]\r\nCLASSNAME=\"a\"\r\nFORMAT=\"<Title>\"\r\nbogus\r\n";
    WriteRules(rules);
    m_boxes.Answer(IDYES);
    Open();
    EditManually([](CManualEditingDlg&) {}, [&] { Show(); });
    EXPECT_EQ(Count(), 0);
    EXPECT_EQ(m_dialog->Players()->GetPlayerCount(), 0) << "nothing of the failed parse is kept";
    EXPECT_FALSE(m_dialog->IsModified());
    EditManually([&](CManualEditingDlg& editor) { EXPECT_EQ(EditorText(editor), rules) << "still to repair"; });
    Click(IDC_QUIT);
    EXPECT_EQ(m_boxes.Count(), 1u) << "nothing changed: no question";
    EXPECT_EQ(TakeQuitCode(), 1);
    EXPECT_EQ(ReadRules(), rules);
}

// UTF-16 bytes of ASCII text, without a mark, as Notepad saves it from Windows 10 on when
// asked for "UTF-16 LE" (and as other editors save "UTF-16 BE").
std::string Utf16WithoutMark(const std::string& ascii, bool bigEndian)
{
    std::string bytes;
    for (char c : ascii)
        bytes += bigEndian ? std::string{'\0', c} : std::string{c, '\0'};
    return bytes;
}

TEST_F(MainDialog, FilesSavedOtherwiseThanAsRulesAreOfferedConverted)
{
    InstallHost("6.0");
    const std::string converted = "; Rules\r\n[A]\r\nCLASSNAME=\"A\"\r\nFORMAT=\"<Title>\"\r\n";
    const std::string rulesText = ", but a rules file is ANSI text with CR LF line ends.";
    struct Case {
        const char* name;
        std::string bytes;
        std::string question;
    };
    const auto file = [](const char* name) {
        std::ifstream data(std::string(QEW_TEST_DATA_DIR "/") + name, std::ios::binary);
        return std::string{std::istreambuf_iterator<char>(data), std::istreambuf_iterator<char>()};
    };
    const std::vector<Case> cases = {
        {"LF only", file("PlayersLfOnly.txt"),
         RepairQuestion("There are no player descriptions found\nLine: 1",
                        "\nThe file has lines that end in LF only" + rulesText)},
        {"UTF-8 mark", file("PlayersBom.txt"),
         RepairQuestion("Incorrect line\nLine: 1", "\nThe file starts with a UTF-8 byte-order mark" + rulesText)},
        // A merge that took one side's lines as LF-only.
        {"a lone LF", "; Rules\r\n[A]\nCLASSNAME=\"A\"\r\nFORMAT=\"<Title>\"\r\n",
         RepairQuestion("Incorrect line\nLine: 2", "\nThe file has line breaks of LF or CR alone (in line 2)" + rulesText)},
        {"UTF-16 LE without a mark", Utf16WithoutMark(converted, false),
         RepairQuestion("Incorrect line\nLine: 1", "\nThe file is UTF-16 text (little-endian)" + rulesText)},
        {"UTF-16 BE without a mark, LF only", Utf16WithoutMark(file("PlayersLfOnly.txt"), true),
         RepairQuestion("Incorrect line\nLine: 1",
                        "\nThe file is UTF-16 text (big-endian) and has lines that end in LF only" + rulesText)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteRules(c.bytes);
        m_boxes.Answer(IDYES);
        Open();
        EXPECT_EQ(m_boxes.Last().text, c.question);
        EditManually(
            [&](CManualEditingDlg& editor) {
                EXPECT_EQ(EditorText(editor), converted);
                EXPECT_EQ(EditorSelection(editor), std::make_pair(DWORD{0}, DWORD{0})) << "nothing is left to select";
                PressOK(editor.Hwnd());
            },
            [&] { Show(); });
        EXPECT_EQ(Count(), 1);
        m_boxes.Answer(IDYES);
        Click(IDOK);
        EXPECT_EQ(ReadRules(), converted);
    }
}

TEST_F(MainDialog, TheEditorNamesLoneLineBreaksAndSelectsTheLineAsTheReaderReadsIt)
{
    InstallHost("6.0");
    WriteRules(kThreePlayers);
    Open();
    // The lone LF ends no line for the reader, though the control draws a break there.
    const std::string text = "[A]\r\n; Example: Song\nCLASSNAME=\"a\"\r\nbogus\r\n";
    EditManually([&](CManualEditingDlg& editor) {
        SetEditorText(editor, text);
        PressOK(editor.Hwnd());
        ASSERT_EQ(m_boxes.Count(), 1u);
        EXPECT_EQ(m_boxes.Last().text, "Incorrect line\nThe text has line breaks of LF or CR alone (in line 2), but a "
                                       "rules file is ANSI text with CR LF line ends.");
        const auto bogus = static_cast<DWORD>(text.find("bogus"));
        EXPECT_EQ(EditorSelection(editor), std::make_pair(bogus, bogus + 5));
    });
    EXPECT_EQ(Count(), 3) << "refused, the collection is as it was";
}

// Saved as UTF-8 without a mark (Notepad's default from Windows 10 1903 on, and every Unix
// editor's), the file loads, but garbled.
TEST_F(MainDialog, AUtf8FileThatLoadsIsConvertedOnYesAndReadAsItIsOnNo)
{
    InstallHost("6.0");
    const std::string utf8 = "; \xE2\x98\x83\r\n[Caf\xC3\xA9 Radio]\r\nCLASSNAME=\"A\"\r\nFORMAT=\"<Title>\"\r\n";
    const std::string ansi = "; ?\r\n[Caf\xE9 Radio]\r\nCLASSNAME=\"A\"\r\nFORMAT=\"<Title>\"\r\n";
    const std::string question =
        "File: " + m_rulesPath +
        "\nThe file looks like UTF-8 text, but a rules file is ANSI text with CR LF line ends."
        "\nThe system's code page cannot hold these characters, which the conversion makes \"?\":\nU+2603."
        "\n\nRead as it is, each of its characters beyond ASCII stands as two or more others.\n\n"
        "Would you like to convert it to the ANSI code page (Yes), or read it as it is (No)?";
    for (int answer : {IDNO, IDYES}) {
        SCOPED_TRACE(answer);
        WriteRules(utf8);
        m_boxes.Answer(answer);
        Open();
        EXPECT_EQ(m_boxes.Last().text, question);
        EXPECT_EQ(m_boxes.Last().type, static_cast<UINT>(MB_YESNO | MB_ICONQUESTION));
        ASSERT_EQ(Count(), 1);
        EXPECT_EQ(Entry(0), answer == IDYES ? "Caf\xE9 Radio" : "Caf\xC3\xA9 Radio");
        EXPECT_EQ(Selected(), 0);
        EXPECT_EQ(m_dialog->IsModified(), answer == IDYES);
        m_boxes.Answer(IDYES);
        Click(IDOK);
        EXPECT_TRUE(Closed());
        EXPECT_EQ(ReadRules(), answer == IDYES ? ansi : utf8);
    }
    // Text beyond ASCII that is no UTF-8 is ANSI text: no question.
    WriteRules(ansi);
    const std::size_t boxes = m_boxes.Count();
    Open();
    EXPECT_EQ(m_boxes.Count(), boxes);
    EXPECT_EQ(Count(), 1);
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
    EXPECT_NE(m_boxes.Last().text.find("\"CreateFile(" + m_rulesPath + ".tmp~)\"."), std::string::npos)
        << "the temporary file is the one that failed";
    EXPECT_EQ(m_boxes.Last().type, static_cast<UINT>(MB_ICONERROR | MB_OK));
    EXPECT_TRUE(m_dialog->IsModified());

    CreateDirectoryA(m_folder.c_str(), nullptr);
    m_boxes.Answer(IDYES);
    Click(IDOK);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(ReadRules().find("[Alpha]"), std::string::npos);
}

TEST_F(MainDialog, AfterAFailedLookupOkAsksWhereToSaveTheRules)
{
    SaveAsRecorder saveAs;
    Open();
    ASSERT_EQ(m_boxes.Count(), 1u) << "the host is not installed";
    const std::string rules = "[New]\r\nCLASSNAME=\"N\"\r\nFORMAT=\"<Title>\"\r\n";
    EditManually([&](CManualEditingDlg& editor) {
        SetEditorText(editor, rules);
        PressOK(editor.Hwnd());
    });
    ASSERT_EQ(Count(), 1);
    EXPECT_EQ(Selected(), 0) << "the first entry, though none was selected before";
    EXPECT_TRUE(Enabled(IDC_EDIT_TEMPLATE));
    EXPECT_TRUE(Enabled(IDC_DELETE_TEMPLATE));

    saveAs.Answer(std::nullopt);
    Click(IDOK);
    ASSERT_EQ(saveAs.Requests().size(), 1u);
    EXPECT_EQ(saveAs.Requests()[0].fileName, "Players.txt");
    EXPECT_EQ(saveAs.Requests()[0].owner, Dlg());
    EXPECT_EQ(saveAs.Requests()[0].folder, "") << "no rules file to open beside";
    EXPECT_EQ(m_boxes.Count(), 1u) << "no question naming an empty path";
    EXPECT_FALSE(Closed());
    EXPECT_TRUE(m_dialog->IsModified());

    saveAs.Answer(m_rulesPath);
    Click(IDOK);
    EXPECT_EQ(m_boxes.Count(), 1u);
    EXPECT_EQ(ReadRules(), rules);
    EXPECT_EQ(m_dialog->RulesPath(), m_rulesPath);
    EXPECT_TRUE(Closed());
}

// --- nothing of the file is lost ---

// kThreePlayers with a misspelt parameter in Beta's template, and what it reads as mended.
const std::string kBadTemplate = [] {
    std::string rules = kThreePlayers;
    rules.replace(rules.find("Beta: <Title>"), 13, "Beta: <Titel>");
    return rules;
}();
const std::string kDelta = "[Delta]\r\nCLASSNAME=\"DeltaWnd\"\r\nFORMAT=\"<Title> - Delta\"\r\n";

// On a file left unrepaired (Cancel in the repair editor), one player added with the wizard.
class UnrepairedFile : public MainDialog {
protected:
    void SetUp() override
    {
        MainDialog::SetUp();
        InstallHost("6.0");
        WriteRules(kBadTemplate);
        m_boxes.Answer(IDYES);
        Open();
        EditManually([](CManualEditingDlg&) {}, [&] { Show(); });
        WizardSheet::SetModalRunner([](WizardSheet& sheet, HWND) -> INT_PTR {
            CPlayerInfo& player = *dynamic_cast<CCi_wizard&>(sheet).m_pPlayerInfo;
            player.SetName("Delta");
            player.SetWndClass("DeltaWnd");
            player.m_arrFormats.push_back(std::make_unique<CFormatInfo>());
            player.m_arrFormats.back()->m_strFormat = "<Title> - Delta";
            return CCi_wizard::kFinished;
        });
        Click(IDC_ADD_TEMPLATE);
        WizardSheet::SetModalRunner(nullptr);
        ASSERT_EQ(Count(), 1);
        ASSERT_TRUE(m_dialog->IsModified());
    }
    std::string NotReadQuestion() const
    {
        return m_rulesPath + " could not be read, and the list holds only the players added since: saved "
                             "there, they would replace every player of the file.\n\nWould you like to repair "
                             "the file in the manual editor, with the added players at its end? No saves them "
                             "to another file.";
    }
};

TEST_F(UnrepairedFile, TheEditorAndOkTakeTheWholeFileWithTheAddition)
{
    EditManually([&](CManualEditingDlg& editor) {
        EXPECT_EQ(EditorText(editor), kBadTemplate + kDelta);
        const auto at = static_cast<DWORD>(kBadTemplate.find("Titel>"));
        EXPECT_EQ(EditorSelection(editor), std::make_pair(at, at + 5)) << "the fault, as at start-up";
    });
    EXPECT_EQ(Count(), 1) << "cancelled: the addition stays";

    m_boxes.Answer(IDCANCEL);
    Click(IDOK);
    EXPECT_EQ(m_boxes.Last().text, NotReadQuestion());
    EXPECT_EQ(m_boxes.Last().type, static_cast<UINT>(MB_YESNOCANCEL | MB_ICONQUESTION));
    EXPECT_FALSE(Closed());

    const std::size_t before = m_boxes.Count();
    m_boxes.Answer(IDYES); // repair
    m_boxes.Answer(IDYES); // save changes
    EditManually(
        [&](CManualEditingDlg& editor) {
            EXPECT_EQ(EditorText(editor), kBadTemplate + kDelta);
            SetEditorText(editor, kThreePlayers + kDelta);
            PressOK(editor.Hwnd());
        },
        [&] { Click(IDOK); });
    ASSERT_EQ(m_boxes.Count(), before + 2);
    EXPECT_EQ(m_boxes.Last().text, "Save changes in " + m_rulesPath + " ?");
    EXPECT_TRUE(Closed());
    EXPECT_EQ(ReadRules(), kThreePlayers + kDelta);
}

TEST_F(UnrepairedFile, SaveAsNeverPutsTheAddedPlayersAloneInPlaceOfTheFile)
{
    SaveAsRecorder saveAs;
    const std::string other = m_folder + "\\Other.txt";
    m_boxes.Answer(IDNO);
    saveAs.Answer(m_rulesPath);
    Click(IDOK);
    ASSERT_EQ(saveAs.Requests().size(), 1u);
    EXPECT_EQ(saveAs.Requests()[0].folder, m_folder + "\\") << "it opens beside the unread file";
    EXPECT_EQ(m_boxes.Last().text, m_rulesPath + " could not be read: the added players cannot be saved in its place. "
                                                 "Repair it in the manual editor first, or choose another file.");
    EXPECT_EQ(m_boxes.Last().type, static_cast<UINT>(MB_ICONERROR | MB_OK));
    EXPECT_FALSE(Closed());
    EXPECT_EQ(ReadRules(), kBadTemplate);

    m_boxes.Answer(IDNO);
    saveAs.Answer(other);
    Click(IDOK);
    EXPECT_EQ(saveAs.Requests().size(), 2u);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(ReadRules(), kBadTemplate);
    std::ifstream saved(other, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(saved), std::istreambuf_iterator<char>()), kDelta);
    saved.close();
    DeleteFileA(other.c_str());
}

TEST_F(MainDialog, NulCharactersAreShownSelectedAndRefusedUntilTheyAreGone)
{
    ASSERT_EQ(GetACP(), 1252u) << "the editor's mark for a NUL is the code page's";
    InstallHost("6.0");
    std::string rules = kThreePlayers;
    const std::size_t first = rules.find(" players");
    rules[first] = '\0';
    const std::size_t second = rules.find(": Song");
    rules[second] = '\0';
    std::string shown = rules, mended = rules;
    shown[first] = shown[second] = '\xA4';
    mended[first] = mended[second] = ' ';
    WriteRules(rules);
    m_boxes.Answer(IDYES);
    Open();
    EXPECT_EQ(m_boxes.Last().text, RepairQuestion("Incorrect line\nLine: 1"));
    EditManually(
        [&](CManualEditingDlg& editor) {
            EXPECT_EQ(EditorText(editor), shown);
            EXPECT_EQ(EditorSelection(editor), std::make_pair(DWORD(first), DWORD(first + 1)));

            std::string half = shown;
            half[first] = ' ';
            SetEditorText(editor, half);
            PressOK(editor.Hwnd());
            ASSERT_NE(editor.Hwnd(), nullptr);
            EXPECT_EQ(m_boxes.Last().text, "The text holds NUL characters, which a rules file cannot hold. The editor "
                                           "shows each as \"\xA4\", and the first is selected: delete them.");
            EXPECT_EQ(m_boxes.Last().type, static_cast<UINT>(MB_ICONERROR | MB_OK));
            EXPECT_EQ(EditorSelection(editor), std::make_pair(DWORD(second), DWORD(second + 1)));

            SetEditorText(editor, mended);
            PressOK(editor.Hwnd());
            EXPECT_EQ(editor.Hwnd(), nullptr);
        },
        [&] { Show(); });
    EXPECT_EQ(Count(), 3);
    m_boxes.Answer(IDYES);
    Click(IDOK);
    EXPECT_EQ(ReadRules(), mended);
}

TEST_F(MainDialog, AfterASaveAsFailsOnTheChosenFileOkOffersSaveAsAgain)
{
    SaveAsRecorder saveAs;
    Open();
    const std::string rules = "[New]\r\nCLASSNAME=\"N\"\r\nFORMAT=\"<Title>\"\r\n";
    EditManually([&](CManualEditingDlg& editor) {
        SetEditorText(editor, rules);
        PressOK(editor.Hwnd());
    });
    // Windows refuses to replace a read-only file; the save must say so, as Windows would.
    const std::string readOnly = m_folder + "\\ro.txt";
    std::ofstream(readOnly, std::ios::binary) << "old";
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::size_t before = m_boxes.Count();
    saveAs.Answer(readOnly);
    Click(IDOK);
    ASSERT_EQ(m_boxes.Count(), before + 1);
    EXPECT_EQ(m_boxes.Last().text.find("Unexpected error 5 ("), 0u);
    EXPECT_NE(m_boxes.Last().text.find("\"CreateFile(" + readOnly + ")\"."), std::string::npos);
    EXPECT_FALSE(Closed());

    saveAs.Answer(std::nullopt);
    Click(IDOK);
    EXPECT_EQ(saveAs.Requests().size(), 2u) << "the failed path is not the file to save to";
    EXPECT_EQ(m_boxes.Count(), before + 1) << "no question naming it";
    EXPECT_EQ(PathField(), "");

    saveAs.Answer(m_rulesPath);
    Click(IDOK);
    EXPECT_TRUE(Closed());
    EXPECT_EQ(ReadRules(), rules);
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
    std::ifstream kept(readOnly, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), std::istreambuf_iterator<char>()), "old");
    kept.close();
    DeleteFileA(readOnly.c_str());
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
    EXPECT_NE(GetMenuState(menu, n - 2, MF_BYPOSITION) & MF_SEPARATOR, 0u);

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

        // A fault on the line after the last of a text without a final line end: the
        // caret at the end.
        const std::string cut = "[A]\r\nCLASSNAME=\"a\"\r\nFORMAT=\"<Title>\"\r\n[NewPlayer]";
        SetEditorText(editor, cut);
        PressOK(editor.Hwnd());
        EXPECT_EQ(m_boxes.Last().text, "Window class name was not found");
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
        EXPECT_EQ(start, cut.size());
        EXPECT_EQ(end, cut.size());

        // Text pasted with LF line ends is one line, and the refusal says why.
        SetEditorText(editor, "[A]\nCLASSNAME=\"a\"\nFORMAT=\"<Title>\"\n");
        PressOK(editor.Hwnd());
        EXPECT_EQ(m_boxes.Last().text, "Incorrect line\nThe text has lines that end in LF only, but a rules file is "
                                       "ANSI text with CR LF line ends.");

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

TEST_F(MainDialog, AManualEditorFullOfRulesStillTakesTyping)
{
    InstallHost("6.0");
    std::string rules;
    for (int i = 0; i < 800; ++i)
        rules += "[P" + std::to_string(i) + "]\r\nCLASSNAME=\"C\"\r\nFORMAT=\"<Title> - Player " + std::to_string(i) + "\"\r\n";
    ASSERT_GT(rules.size(), 40000u);
    WriteRules(rules);
    Open();
    EditManually([&](CManualEditingDlg& editor) {
        HWND edit = GetDlgItem(editor.Hwnd(), IDC_EDIT_RULES);
        const int length = GetWindowTextLengthA(edit);
        EXPECT_EQ(length, static_cast<int>(rules.size()));
        SendMessageA(edit, EM_SETSEL, length, length);
        SendMessageA(edit, WM_CHAR, ';', 0);
        EXPECT_EQ(GetWindowTextLengthA(edit), length + 1);
    });
}

// --- minimised ---

TEST_F(MainDialog, MinimisedItPaintsAndDragsTheApplicationIcon)
{
    InstallHost("6.0");
    WriteRules(kThreePlayers);
    Open();
    ShowWindow(Dlg(), SW_SHOWNORMAL);
    const HICON icon = LoadIconA(ResourceModule(), MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(Dlg(), WM_GETICON, ICON_BIG, 0)), icon);

    // Records the erasing of the icon background that the dialog's painting asks for.
    static HWND erasedIn;
    static WNDPROC original;
    erasedIn = nullptr;
    original = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
        Dlg(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(+[](HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message == WM_ICONERASEBKGND)
                erasedIn = WindowFromDC(reinterpret_cast<HDC>(wParam));
            return CallWindowProcA(original, hwnd, message, wParam, lParam);
        })));

    SendMessageA(Dlg(), WM_PAINT, 0, 0);
    EXPECT_EQ(erasedIn, nullptr) << "a normal window paints as a dialog does";

    // Not the about command: the system's own handling.
    SendMessageA(Dlg(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ASSERT_TRUE(IsIconic(Dlg()));
    EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(Dlg(), WM_QUERYDRAGICON, 0, 0)), icon);
    SendMessageA(Dlg(), WM_PAINT, 0, 0);
    EXPECT_EQ(erasedIn, Dlg());

    SetWindowLongPtrA(Dlg(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
}

// --- the dialogs as the system made them from their templates ---

struct ExpectedControl {
    int id;
    const char* className;
    DWORD type;       // the BS_/SS_ type field, when the class has one
    DWORD styles;     // further styles that must be set; a border may be a client edge
    const char* text; // null for icons
    int x, y, cx, cy; // dialog units; icons are as large as the icon
};

void ExpectDialog(HWND dialog, const char* caption, int cx, int cy, DWORD styles, DWORD notStyles, DWORD exStyles)
{
    char text[256] = {};
    GetWindowTextA(dialog, text, sizeof text);
    EXPECT_STREQ(text, caption);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(dialog, GWL_STYLE));
    EXPECT_EQ(style & styles, styles) << std::hex << style;
    EXPECT_EQ(style & notStyles, 0u) << std::hex << style;
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(dialog, GWL_EXSTYLE));
    EXPECT_EQ(exStyle & exStyles, exStyles) << std::hex << exStyle;

    RECT size{0, 0, cx, cy}, client;
    MapDialogRect(dialog, &size);
    GetClientRect(dialog, &client);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);

    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
    EXPECT_STREQ(font.lfFaceName, "MS Shell Dlg");
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(font.lfHeight, -MulDiv(8, GetDeviceCaps(screen, LOGPIXELSY), 72));
    ReleaseDC(nullptr, screen);

    EXPECT_EQ(SendMessageA(dialog, DM_GETDEFID, 0, 0), MAKELRESULT(IDOK, DC_HASDEFID));
}

void ExpectControls(HWND dialog, const std::vector<ExpectedControl>& controls)
{
    HWND control = GetWindow(dialog, GW_CHILD);
    for (const ExpectedControl& expected : controls) {
        SCOPED_TRACE(expected.text ? expected.text : "icon");
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(static_cast<WORD>(GetDlgCtrlID(control)), static_cast<WORD>(expected.id));
        char className[64] = {};
        GetClassNameA(control, className, sizeof className);
        EXPECT_STRCASEEQ(className, expected.className);

        DWORD style = static_cast<DWORD>(GetWindowLongA(control, GWL_STYLE));
        if (GetWindowLongA(control, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)
            style |= WS_BORDER;
        const DWORD typeMask = lstrcmpiA(className, "Button") == 0   ? BS_TYPEMASK
                               : lstrcmpiA(className, "Static") == 0 ? SS_TYPEMASK
                                                                     : 0;
        EXPECT_EQ(style & typeMask, expected.type) << std::hex << style;
        EXPECT_EQ(style & expected.styles, expected.styles) << std::hex << style;

        if (expected.text) {
            char text[256] = {};
            GetWindowTextA(control, text, sizeof text);
            EXPECT_STREQ(text, expected.text);
        } else {
            EXPECT_EQ(reinterpret_cast<HICON>(SendMessageA(control, STM_GETICON, 0, 0)),
                      LoadIconA(ResourceModule(), MAKEINTRESOURCEA(IDR_MAINFRAME)));
        }

        // Position and size are converted each on its own, as the dialog manager does.
        RECT position{expected.x, expected.y, expected.cx, expected.cy}, actual;
        MapDialogRect(dialog, &position);
        GetWindowRect(control, &actual);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&actual), 2);
        EXPECT_EQ(actual.left, position.left);
        EXPECT_EQ(actual.top, position.top);
        if (expected.text) {
            EXPECT_EQ(actual.right - actual.left, position.right);
            EXPECT_EQ(actual.bottom - actual.top, position.bottom);
        }
        control = GetWindow(control, GW_HWNDNEXT);
    }
    EXPECT_EQ(control, nullptr) << "no further controls";
}

constexpr DWORD kBorder = WS_BORDER;

TEST_F(MainDialog, TheMainDialogIsMadeAsItsTemplateSays)
{
    InstallHost("6.0");
    WriteRules(kThreePlayers);
    Open();
    ExpectDialog(Dlg(), "Quorvel External Players Description Wizard", 324, 204,
                 WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | DS_MODALFRAME, WS_MAXIMIZEBOX | WS_THICKFRAME,
                 WS_EX_APPWINDOW);
    ExpectControls(Dlg(), {
        {-1, "Button", BS_GROUPBOX, 0, "", 7, 7, 309, 37},
        {-1, "Static", SS_ICON, 0, nullptr, 15, 18, 0, 0},
        {-1, "Static", SS_LEFT, 0,
         "This wizard lets you add, edit and delete the current Quorvel templates for analyzing the window titles "
         "of external players.",
         41, 16, 219, 22},
        {IDC_ABOUT, "Button", BS_PUSHBUTTON, BS_FLAT, "About ...", 263, 16, 50, 14},
        {-1, "Button", BS_GROUPBOX, 0, " Existing templates ", 7, 47, 309, 127},
        {IDC_EDIT_PATH, "Edit", 0, ES_READONLY | ES_AUTOHSCROLL | kBorder, m_rulesPath.c_str(), 14, 57, 295, 12},
        {IDC_LIST_PLAYERS, "ListBox", 0, LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | kBorder, "", 14, 73, 193, 94},
        {IDC_ADD_TEMPLATE, "Button", BS_PUSHBUTTON, 0, "Add new template", 212, 73, 97, 16},
        {IDC_EDIT_TEMPLATE, "Button", BS_PUSHBUTTON, 0, "Edit selected template", 212, 93, 97, 16},
        {IDC_DELETE_TEMPLATE, "Button", BS_PUSHBUTTON, 0, "Delete selected template", 212, 113, 97, 16},
        {IDC_EDIT_MANUALLY, "Button", BS_PUSHBUTTON, 0, "Edit templates list manualy", 212, 133, 97, 16},
        {IDC_RUNNING_PLAYERS, "Button", BS_PUSHBUTTON, 0, "&Running players...", 212, 153, 97, 16},
        {IDOK, "Button", BS_DEFPUSHBUTTON, 0, "OK", 103, 184, 50, 14},
        {IDC_QUIT, "Button", BS_PUSHBUTTON, 0, "Cancel", 171, 184, 50, 14},
    });
    HWND list = Item(IDC_LIST_PLAYERS);
    EXPECT_EQ(GetWindowLongA(Item(IDC_EDIT_PATH), GWL_STYLE) & ES_MULTILINE, 0);
    EXPECT_EQ(GetWindowLongA(list, GWL_STYLE) & (LBS_SORT | LBS_MULTIPLESEL | LBS_EXTENDEDSEL), 0);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("Aardvark"));
    EXPECT_EQ(Entry(3), "Aardvark") << "not sorted";
    for (int i = 0; i < 40; ++i)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("more"));
    EXPECT_NE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL, 0) << "a long list scrolls";
}

TEST_F(MainDialog, TheAboutBoxIsMadeAsItsTemplateSaysAndEscapeClosesIt)
{
    CAboutDlg about;
    ASSERT_NE(about.Create(nullptr), nullptr);
    ExpectDialog(about.Hwnd(), "About Quorvel External Players Description Wizard", 253, 45,
                 WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME,
                 WS_EX_CLIENTEDGE);
    ExpectControls(about.Hwnd(), {
        {-1, "Static", SS_ICON, 0, nullptr, 9, 9, 0, 0},
        {-1, "Static", SS_CENTER, SS_NOPREFIX, "Quorvel External Players Description Wizard v8.3.1", 48, 6, 136, 18},
        {-1, "Static", SS_CENTER, 0, "Copyright (C) Dunmere Software", 36, 26, 156, 8},
        {IDOK, "Button", BS_DEFPUSHBUTTON, 0, "OK", 197, 6, 53, 14},
    });
    SendMessageA(about.Hwnd(), WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(about.Hwnd(), nullptr);
    EXPECT_EQ(about.Result(), IDCANCEL);
}

TEST_F(MainDialog, TheManualEditorIsMadeAsItsTemplateSays)
{
    CAllPlayersInfo players;
    ASSERT_EQ(players.ParseText(kThreePlayers), 0);
    CManualEditingDlg editor;
    editor.m_pPlayers = &players;
    ASSERT_NE(editor.Create(nullptr), nullptr);
    ExpectDialog(editor.Hwnd(), "Interpretation rules for player's window titles: manual editing", 380, 250,
                 WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME, 0);
    ExpectControls(editor.Hwnd(), {
        {-1, "Static", SS_LEFT, 0, "Manual editing is not recommended!", 127, 7, 136, 8},
        {-1, "Static", SS_LEFT, 0, "Interpretation rules for all player's window titles:", 7, 22, 357, 8},
        {IDC_EDIT_RULES, "Edit", 0,
         ES_MULTILINE | ES_WANTRETURN | ES_AUTOHSCROLL | ES_AUTOVSCROLL | WS_HSCROLL | WS_VSCROLL | kBorder,
         kThreePlayers.c_str(), 7, 34, 366, 193},
        {IDOK, "Button", BS_DEFPUSHBUTTON, 0, "OK", 137, 229, 50, 14},
        {IDCANCEL, "Button", BS_PUSHBUTTON, 0, "Cancel", 192, 229, 50, 14},
    });
    EXPECT_EQ(GetWindowLongA(editor.Item(IDC_EDIT_RULES), GWL_STYLE) & ES_READONLY, 0);
    editor.EndDialog(IDCANCEL);
}

} // namespace
