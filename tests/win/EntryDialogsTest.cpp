#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "HostFixture.h"
#include "MessageBoxRecorder.h"
#include "framework/ResString.h"
#include "res/resource.h"
#include "wizard/AddTitleDlg.h"
#include "wizard/EditTemplateDlg.h"

namespace {

std::string TextOf(HWND hwnd)
{
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Types into a field as the user would: the text, then the notification the dialog reacts to.
void Type(HWND dialog, int id, const std::string& text)
{
    const HWND edit = GetDlgItem(dialog, id);
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, EN_CHANGE), reinterpret_cast<LPARAM>(edit));
    PumpMessages();
}

void Click(HWND dialog, int id)
{
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    PumpMessages();
}

bool OkEnabled(HWND dialog)
{
    return IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
}

std::pair<int, int> Selection(HWND edit)
{
    DWORD start = 0, end = 0;
    SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

// The control's rectangle in dialog units, as the template gives it.
RECT LayoutOf(HWND dialog, int id)
{
    RECT r;
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    RECT unit{0, 0, 4, 8};
    MapDialogRect(dialog, &unit);
    return {MulDiv(r.left, 4, unit.right), MulDiv(r.top, 8, unit.bottom), MulDiv(r.right - r.left, 4, unit.right),
            MulDiv(r.bottom - r.top, 8, unit.bottom)};
}

void ExpectLayout(HWND dialog, int id, RECT expected)
{
    const RECT actual = LayoutOf(dialog, id);
    EXPECT_NEAR(actual.left, expected.left, 1) << id;
    EXPECT_NEAR(actual.top, expected.top, 1) << id;
    EXPECT_NEAR(actual.right, expected.right, 1) << id;
    EXPECT_NEAR(actual.bottom, expected.bottom, 1) << id;
}

class AddTitleDialog : public testing::Test {
protected:
    HWND Open()
    {
        const HWND hwnd = m_dialog.Create(nullptr);
        PumpMessages();
        return hwnd;
    }

    CAddTitleDlg m_dialog;
    MessageBoxRecorder m_boxes;
};

TEST_F(AddTitleDialog, HasTheLayoutAndTextsOfItsTemplate)
{
    const HWND dialog = Open();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(dialog), "Add title manually");
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDOK)), "OK");
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDCANCEL)), "Cancel");
    RECT client;
    GetClientRect(dialog, &client);
    ExpectLayout(dialog, IDC_ADD_TITLE_TEXT, {7, 7, 247, 14});
    ExpectLayout(dialog, IDOK, {150, 25, 50, 14});
    ExpectLayout(dialog, IDCANCEL, {204, 25, 50, 14});
    RECT unit{0, 0, 261, 46};
    MapDialogRect(dialog, &unit);
    EXPECT_EQ(client.right, unit.right);
    EXPECT_EQ(client.bottom, unit.bottom);
    const HWND field = GetDlgItem(dialog, IDC_ADD_TITLE_TEXT);
    EXPECT_TRUE(GetWindowLongA(field, GWL_STYLE) & ES_AUTOHSCROLL);
    // The dialog manager draws a bordered edit field with the sunken edge.
    EXPECT_TRUE((GetWindowLongA(field, GWL_STYLE) & WS_BORDER) || (GetWindowLongA(field, GWL_EXSTYLE) & WS_EX_CLIENTEDGE));
    EXPECT_EQ(SendMessageA(GetDlgItem(dialog, IDOK), WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON, DLGC_DEFPUSHBUTTON);
}

TEST_F(AddTitleDialog, OkFollowsWhetherTheFieldHoldsText)
{
    const HWND dialog = Open();
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_ADD_TITLE_TEXT)), "");
    EXPECT_FALSE(OkEnabled(dialog));
    Type(dialog, IDC_ADD_TITLE_TEXT, "a");
    EXPECT_TRUE(OkEnabled(dialog));
    Type(dialog, IDC_ADD_TITLE_TEXT, "");
    EXPECT_FALSE(OkEnabled(dialog));
    Type(dialog, IDC_ADD_TITLE_TEXT, " ");
    EXPECT_TRUE(OkEnabled(dialog));
}

TEST_F(AddTitleDialog, TakesATitleOfBlanksOnly)
{
    const HWND dialog = Open();
    Type(dialog, IDC_ADD_TITLE_TEXT, "   ");
    Click(dialog, IDOK);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(m_dialog.Result(), IDOK);
    EXPECT_EQ(m_dialog.m_strTitle, "   ");
    EXPECT_EQ(m_boxes.Count(), 0u);
}

TEST_F(AddTitleDialog, TakesTheTitleExactlyAsTyped)
{
    const HWND dialog = Open();
    const std::string title = "  1. %s Artist - <Title> %n\t100% ";
    Type(dialog, IDC_ADD_TITLE_TEXT, title);
    Click(dialog, IDOK);
    EXPECT_EQ(m_dialog.Result(), IDOK);
    EXPECT_EQ(m_dialog.m_strTitle, title);
}

TEST_F(AddTitleDialog, TakesATitleLongerThanAnEditFieldsDefaultLimit)
{
    const HWND dialog = Open();
    const std::string title(40000, 'T');
    Type(dialog, IDC_ADD_TITLE_TEXT, title);
    Click(dialog, IDOK);
    EXPECT_EQ(m_dialog.m_strTitle, title);
}

TEST_F(AddTitleDialog, CancelReturnsNoTitle)
{
    const HWND dialog = Open();
    Type(dialog, IDC_ADD_TITLE_TEXT, "Typed");
    Click(dialog, IDCANCEL);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(m_dialog.Result(), IDCANCEL);
    EXPECT_EQ(m_dialog.m_strTitle, "");
}

TEST_F(AddTitleDialog, AnOkCommandWithAnEmptyFieldKeepsTheDialogOpen)
{
    const HWND dialog = Open();
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    PumpMessages();
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ(m_dialog.m_strTitle, "");
}

TEST_F(AddTitleDialog, ShowsATitleSetBeforeItOpens)
{
    m_dialog.m_strTitle = "Preset";
    const HWND dialog = Open();
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDC_ADD_TITLE_TEXT)), "Preset");
    EXPECT_TRUE(OkEnabled(dialog));
}

class EditTemplateDialog : public testing::Test {
protected:
    HWND Open(const std::string& text)
    {
        m_dialog.m_strTemplate = text;
        const HWND hwnd = m_dialog.Create(nullptr);
        PumpMessages();
        return hwnd;
    }
    HWND Field() const { return GetDlgItem(m_dialog.Hwnd(), IDC_EDIT_TEMPLATE_TEXT); }

    // Types the text, presses OK and expects it refused with `message` and `selection`.
    void ExpectRefused(const std::string& text, UINT message, std::pair<int, int> selection)
    {
        const HWND dialog = Open("<Title> - Before");
        ASSERT_NE(dialog, nullptr);
        Type(dialog, IDC_EDIT_TEMPLATE_TEXT, text);
        Click(dialog, IDOK);
        ASSERT_EQ(m_boxes.Count(), 1u) << text;
        EXPECT_EQ(m_boxes.Last().text, "Error in template. " + LoadResString(message));
        EXPECT_EQ(m_boxes.Last().type & MB_ICONMASK, static_cast<UINT>(MB_ICONERROR));
        EXPECT_EQ(m_boxes.Last().owner, dialog);
        EXPECT_TRUE(IsWindow(dialog));
        EXPECT_EQ(GetFocus(), Field());
        EXPECT_EQ(Selection(Field()), selection) << text;
        EXPECT_EQ(TextOf(Field()), text);
        EXPECT_EQ(m_dialog.m_strTemplate, "<Title> - Before");
    }

    CEditTemplateDlg m_dialog;
    MessageBoxRecorder m_boxes;
};

TEST_F(EditTemplateDialog, HasTheLayoutAndTextsOfItsTemplate)
{
    const HWND dialog = Open("");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(dialog), "Edit template");
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDOK)), "OK");
    EXPECT_EQ(TextOf(GetDlgItem(dialog, IDCANCEL)), "Cancel");
    ExpectLayout(dialog, IDC_EDIT_TEMPLATE_TEXT, {7, 9, 283, 14});
    ExpectLayout(dialog, IDOK, {178, 26, 50, 14});
    ExpectLayout(dialog, IDCANCEL, {240, 26, 50, 14});
    RECT client, unit{0, 0, 297, 47};
    GetClientRect(dialog, &client);
    MapDialogRect(dialog, &unit);
    EXPECT_EQ(client.right, unit.right);
    EXPECT_EQ(client.bottom, unit.bottom);
    EXPECT_TRUE(GetWindowLongA(Field(), GWL_STYLE) & ES_AUTOHSCROLL);
}

TEST_F(EditTemplateDialog, OpensWithTheGivenTextAndOkFollowsTheField)
{
    HWND dialog = Open("<Artist> - <Title>");
    EXPECT_EQ(TextOf(Field()), "<Artist> - <Title>");
    EXPECT_TRUE(OkEnabled(dialog));
    Type(dialog, IDC_EDIT_TEMPLATE_TEXT, "");
    EXPECT_FALSE(OkEnabled(dialog));
    EXPECT_EQ(m_dialog.m_strEditText, "");
    Type(dialog, IDC_EDIT_TEMPLATE_TEXT, "<");
    EXPECT_TRUE(OkEnabled(dialog));
    EXPECT_EQ(m_dialog.m_strEditText, "<");
    Click(dialog, IDCANCEL);

    dialog = Open("");
    EXPECT_FALSE(OkEnabled(dialog));
    Type(dialog, IDC_EDIT_TEMPLATE_TEXT, "x");
    EXPECT_TRUE(OkEnabled(dialog));
    Type(dialog, IDC_EDIT_TEMPLATE_TEXT, "");
    EXPECT_FALSE(OkEnabled(dialog));
}

TEST_F(EditTemplateDialog, AnUnknownParameterIsNamedAndSelected)
{
    ExpectRefused("<Artist> - <title>", IDS_UNKNOWN_PARAMETER, {12, 17});
}

TEST_F(EditTemplateDialog, AnOpenBracketLeftOpenIsSelected)
{
    ExpectRefused("<Artist> - <Title", IDS_UNBALANCED_BRACKETS, {11, 12});
}

TEST_F(EditTemplateDialog, ATextWithoutParametersSelectsNothing)
{
    ExpectRefused("Winamp", IDS_PARAMETERS_NOT_DEFINED, {0, 0});
}

TEST_F(EditTemplateDialog, OnlyUnusedParametersSelectTheWholeText)
{
    ExpectRefused("<Unused>", IDS_NO_ACTUAL_PARAMETERS, {0, 8});
}

TEST_F(EditTemplateDialog, AParameterNamedTwiceIsSelectedWhereItFirstStands)
{
    ExpectRefused("<Artist> - <Title> / <Artist>", IDS_MULTIPLE_DEFINITIONS, {1, 7});
}

TEST_F(EditTemplateDialog, BracketFaultsAreNamedAndSelected)
{
    ExpectRefused("a <> b <Title>", IDS_EMPTY_PARAMETER, {2, 4});
}

TEST_F(EditTemplateDialog, AFixedTextIsAcceptedAndClosesTheDialog)
{
    const HWND dialog = Open("<Artist> - <title>");
    Click(dialog, IDOK);
    ASSERT_EQ(m_boxes.Count(), 1u);
    EXPECT_TRUE(IsWindow(dialog));
    Type(dialog, IDC_EDIT_TEMPLATE_TEXT, "<Artist> - <Title>");
    Click(dialog, IDOK);
    EXPECT_EQ(m_boxes.Count(), 1u);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(m_dialog.Result(), IDOK);
    EXPECT_EQ(m_dialog.m_strTemplate, "<Artist> - <Title>");
}

TEST_F(EditTemplateDialog, CancelAfterARefusalKeepsTheTextItWasGiven)
{
    const HWND dialog = Open("<Title> - Kept");
    Type(dialog, IDC_EDIT_TEMPLATE_TEXT, "<Title> - <Nonsense>");
    Click(dialog, IDOK);
    EXPECT_EQ(m_boxes.Count(), 1u);
    Click(dialog, IDCANCEL);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(m_dialog.Result(), IDCANCEL);
    EXPECT_EQ(m_dialog.m_strTemplate, "<Title> - Kept");
}

TEST_F(EditTemplateDialog, CancelClosesWithoutChecks)
{
    const HWND dialog = Open("Winamp");
    Click(dialog, IDCANCEL);
    EXPECT_FALSE(IsWindow(dialog));
    EXPECT_EQ(m_boxes.Count(), 0u);
}

TEST_F(EditTemplateDialog, RunningAgainOpensWithTheTextLastAccepted)
{
    HWND dialog = Open("<Title>");
    Type(dialog, IDC_EDIT_TEMPLATE_TEXT, "<Title> - Again");
    Click(dialog, IDOK);
    ASSERT_EQ(m_dialog.Result(), IDOK);

    dialog = m_dialog.Create(nullptr);
    PumpMessages();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(TextOf(Field()), "<Title> - Again");
    EXPECT_TRUE(OkEnabled(dialog));
    Click(dialog, IDOK);
    EXPECT_EQ(m_dialog.Result(), IDOK);
    EXPECT_EQ(m_dialog.m_strTemplate, "<Title> - Again");
}

TEST_F(EditTemplateDialog, AnOkCommandWithAnEmptyFieldKeepsTheDialogOpen)
{
    const HWND dialog = Open("");
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    PumpMessages();
    EXPECT_TRUE(IsWindow(dialog));
    EXPECT_EQ(m_dialog.m_strTemplate, "");
}

TEST_F(EditTemplateDialog, ATemplateOfALongTitleIsTakenWhole)
{
    const std::string text = "<Title>" + std::string(40000, '-');
    const HWND dialog = Open(text);
    EXPECT_EQ(TextOf(Field()), text);
    Click(dialog, IDOK);
    EXPECT_EQ(m_dialog.m_strTemplate, text);
}

// Drives the modal run from inside its own loop: finds the thread's dialog with the field,
// types into it and presses a button.
struct ModalEntry {
    static inline int field = 0;
    static inline std::string text;
    static inline int button = IDOK;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD)
    {
        HWND found = nullptr;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND hwnd, LPARAM param) -> BOOL {
                if (GetDlgItem(hwnd, field) && IsWindowVisible(hwnd))
                    *reinterpret_cast<HWND*>(param) = hwnd;
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&found));
        if (!found)
            return;
        KillTimer(nullptr, timer);
        Type(found, field, text);
        SendMessageA(GetDlgItem(found, button), BM_CLICK, 0, 0);
    }
};

TEST(EntryDialogsModal, RunOnTheParentTheyWereMadeWith)
{
    MessageBoxRecorder boxes;
    const HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    HWND seen = nullptr;
    const Dialog::ModalRunner previous = Dialog::SetModalRunner([&](Dialog&, HWND parent) -> INT_PTR {
        seen = parent;
        return IDCANCEL;
    });
    CAddTitleDlg addTitle(owner);
    EXPECT_EQ(addTitle.DoModal(), IDCANCEL);
    EXPECT_EQ(seen, owner);
    seen = nullptr;
    CEditTemplateDlg editTemplate(owner);
    EXPECT_EQ(editTemplate.DoModal(), IDCANCEL);
    EXPECT_EQ(seen, owner);
    Dialog::SetModalRunner(previous);
    DestroyWindow(owner);
}

TEST(EntryDialogsModal, ReturnTheirResultsFromARealModalRun)
{
    MessageBoxRecorder boxes;
    CAddTitleDlg addTitle(nullptr);
    ModalEntry::field = IDC_ADD_TITLE_TEXT;
    ModalEntry::text = "Typed in a modal run";
    ModalEntry::button = IDOK;
    ASSERT_NE(SetTimer(nullptr, 0, 20, ModalEntry::Tick), 0u);
    EXPECT_EQ(addTitle.DoModal(), IDOK);
    EXPECT_EQ(addTitle.m_strTitle, "Typed in a modal run");

    CEditTemplateDlg editTemplate(nullptr);
    editTemplate.m_strTemplate = "<Title>";
    ModalEntry::field = IDC_EDIT_TEMPLATE_TEXT;
    ModalEntry::text = "<Artist> - <Title>";
    ASSERT_NE(SetTimer(nullptr, 0, 20, ModalEntry::Tick), 0u);
    EXPECT_EQ(editTemplate.DoModal(), IDOK);
    EXPECT_EQ(editTemplate.m_strTemplate, "<Artist> - <Title>");

    ModalEntry::text = "Not a template";
    ModalEntry::button = IDCANCEL;
    ASSERT_NE(SetTimer(nullptr, 0, 20, ModalEntry::Tick), 0u);
    EXPECT_EQ(editTemplate.DoModal(), IDCANCEL);
    EXPECT_EQ(editTemplate.m_strTemplate, "<Artist> - <Title>");
    EXPECT_EQ(boxes.Count(), 0u);
}

} // namespace
