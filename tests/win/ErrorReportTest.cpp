#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <string>

#include "MessageBoxRecorder.h"
#include "framework/ErrorReport.h"
#include "framework/Guards.h"
#include "framework/ResString.h"
#include "res/resource.h"

namespace {

std::string SystemText(DWORD code)
{
    char* buffer = nullptr;
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS | FORMAT_MESSAGE_ALLOCATE_BUFFER,
                   nullptr, code, MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT),
                   reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = buffer ? buffer : "";
    LocalFree(buffer);
    return text;
}

TEST(ErrorText, ASystemCodeGetsTheSystemTextWithItsLineBreak)
{
    stErrorInfo info;
    ErrorInfo_Set(&info, ErrorKind_System, ERROR_FILE_NOT_FOUND, "CreateFile", "C:\\Q\\Players.txt",
                  __FILE__, __LINE__);
    ASSERT_FALSE(SystemText(ERROR_FILE_NOT_FOUND).empty());
    EXPECT_EQ(std::string(info.text), SystemText(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(info.text[std::strlen(info.text) - 1], '\n');
}

TEST(ErrorText, AnUnknownCodeFallsBackToItsHexDigits)
{
    stErrorInfo info;
    ErrorInfo_Set(&info, ErrorKind_System, 0x2BADF00Du, "X", "", __FILE__, __LINE__);
    EXPECT_STREQ(info.text, "SysErr.0x2BADF00D");

    // Facility 13 is looked up in the Windows Media modules before falling back.
    ASSERT_EQ(GetModuleHandleA("quartz.dll"), nullptr);
    ErrorInfo_Set(&info, ErrorKind_System, 0xC00DFFFEu, "X", "", __FILE__, __LINE__);
    EXPECT_GT(std::strlen(info.text), 0u);
    EXPECT_EQ(GetModuleHandleA("WMERROR.DLL"), nullptr) << "the module is freed again";
    EXPECT_EQ(GetModuleHandleA("quartz.dll"), nullptr) << "quartz.dll is never loaded for a text";
}

TEST(ErrorText, OnlyTheSystemKindLooksUpAText)
{
    stErrorInfo info;
    ErrorInfo_Set(&info, ErrorKind_CodeOnly, ERROR_FILE_NOT_FOUND, "CreateFile", "p", __FILE__, __LINE__);
    EXPECT_STREQ(info.text, "");
}

TEST(ShowErrorInfo, ShowsTheOneReportFormat)
{
    MessageBoxRecorder boxes;
    stErrorInfo info;
    ErrorInfo_Set(&info, ErrorKind_System, ERROR_FILE_NOT_FOUND, "CreateFile", "C:\\Q\\Players.txt",
                  __FILE__, __LINE__);
    ShowErrorInfo(&info);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, "Unexpected error 2 (" + SystemText(ERROR_FILE_NOT_FOUND) +
                                     ")\nin the function \"CreateFile(C:\\Q\\Players.txt)\".");
    EXPECT_EQ(boxes.Last().type, static_cast<UINT>(MB_ICONERROR | MB_OK));
    EXPECT_EQ(boxes.Last().caption, "qew_win_tests");
}

TEST(ShowErrorInfo, AValueTypeRecordShowsNoCodeTextOrFunction)
{
    MessageBoxRecorder boxes;
    stErrorInfo info;
    ErrorInfo_Set(&info, ErrorKind_BadValueType, 0, nullptr,
                  "HKEY_LOCAL_MACHINE\\Software\\Dunmere\\Quorvel(Version)", __FILE__, __LINE__);
    ShowErrorInfo(&info);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text,
              "Unexpected error 0 ()\nin the function \"(HKEY_LOCAL_MACHINE\\Software\\Dunmere\\Quorvel(Version))\".");
}

TEST(ShowErrorInfo, ACutRecordShowsItsCutTexts)
{
    MessageBoxRecorder boxes;
    stErrorInfo info;
    const std::string argument(300, 'a'), function(70, 'f');
    ErrorInfo_Set(&info, ErrorKind_CodeOnly, 7, function.c_str(), argument.c_str(), __FILE__, __LINE__);
    ShowErrorInfo(&info);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, "Unexpected error 7 ()\nin the function \"" + function.substr(0, 63) + "(" +
                                     argument.substr(0, 255) + ")\".");
}

TEST(ShowErrorInfo, ACleardRecordShowsNothing)
{
    MessageBoxRecorder boxes;
    stErrorInfo info;
    ErrorInfo_Clear(&info);
    ShowErrorInfo(&info);
    ShowErrorInfo(nullptr);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST(ResText, EntriesAreLoadedAndFormatted)
{
    EXPECT_EQ(LoadResString(IDS_LINE), "Line: ");
    EXPECT_EQ(LoadResString(IDS_TOO_MANY_RIGHT_BRACKETS), "Too many right angle brackets (>)");
    EXPECT_EQ(FormatResText(IDS_SAVE_CHANGES, "C:\\Q\\Players.txt"), "Save changes in C:\\Q\\Players.txt ?");
    EXPECT_EQ(FormatResText(IDS_ERROR_IN_TEMPLATE, "100%s"), "Error in template. 100%s");
    EXPECT_EQ(FormatResText(IDS_UNEXPECTED_ERROR, 5u, "t", "f", "a"), "Unexpected error 5 (t)\nin the function \"f(a)\".");
    EXPECT_EQ(LoadResString(IDS_PLAYER_NAME_EXISTS),
              "A player with the specified name is already in the list.\nPlease enter a different name.");
    EXPECT_EQ(LoadResString(9999), "");
}

TEST(Guards, AnExceptionWhileReleasingIsReportedAndSwallowed)
{
    MessageBoxRecorder boxes;
    const auto where = std::source_location::current();
    ReleaseReported(where, [] { throw std::runtime_error("DeleteObject failed"); });
    ReleaseReported(where, [] { throw 42; });
    ReleaseReported(where, [] { throw std::runtime_error(std::string(600, 'm')); });
    ASSERT_EQ(boxes.Count(), 3u);
    const std::string head = std::string("Exception thrown in destructor (") + where.file_name() + ":" +
                             std::to_string(where.line()) + ")";
    EXPECT_EQ(boxes.Boxes()[0].text, head + "\nDeleteObject failed");
    EXPECT_EQ(boxes.Boxes()[0].type, static_cast<UINT>(MB_OK)) << "a plain box, no icon";
    EXPECT_EQ(boxes.Boxes()[1].text, head);
    EXPECT_EQ(boxes.Boxes()[2].text, head + "\n" + std::string(511, 'm'));
}

TEST(Guards, ReleaseTheirObjects)
{
    MessageBoxRecorder boxes;
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 4, 4);
    {
        MemoryDC dc(screen);
        ASSERT_TRUE(dc);
        GdiObject owned(bitmap);
        SelectedObject selected(dc.Get(), owned.Get());
        EXPECT_EQ(GetCurrentObject(dc.Get(), OBJ_BITMAP), bitmap);
    }
    EXPECT_EQ(GetObjectType(bitmap), 0u) << "the bitmap is deleted";
    ReleaseDC(nullptr, screen);

    HCURSOR before = GetCursor();
    {
        WaitCursor wait;
    }
    EXPECT_EQ(GetCursor(), before);
    EXPECT_EQ(boxes.Count(), 0u);
}

} // namespace
