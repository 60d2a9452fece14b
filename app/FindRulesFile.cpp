#include "app/FindRulesFile.h"

#include <clocale>
#include <string>
#include <vector>

#include "app/EncodingNote.h"
#include "framework/ErrorReport.h"
#include "framework/MessageBox.h"
#include "framework/ResString.h"
#include "platform/AnsiText.h"
#include "platform/BaseRegistry.h"
#include "platform/FileIo.h"
#include "res/resource.h"
#include "rules/AllPlayersInfo.h"
#include "rules/DispNameSupported.h"
#include "rules/TextEncoding.h"

const char* const kHostKey = "Software\\Dunmere\\Quorvel";

namespace {

// The host is a 32-bit program on 64-bit Windows and keeps its keys in the 32-bit view;
// a 64-bit host keeps them in the 64-bit view. The view found first serves both keys.
LONG OpenHostKey(char (&path)[kKeyPathTextSize], stErrorInfo* error, const char* subkey, REGSAM& view,
                 RegKeyHolder& key)
{
    if (view != 0)
        return BaRe_OpenKey(path, error, HKEY_LOCAL_MACHINE, subkey, KEY_READ | view, key);
    LONG status = BaRe_OpenKey(path, error, HKEY_LOCAL_MACHINE, subkey, KEY_READ | KEY_WOW64_32KEY, key);
    view = KEY_WOW64_32KEY;
    if (status == ERROR_FILE_NOT_FOUND) {
        status = BaRe_OpenKey(path, error, HKEY_LOCAL_MACHINE, subkey, KEY_READ | KEY_WOW64_64KEY, key);
        view = KEY_WOW64_64KEY;
    }
    return status;
}

LONG QueryString(const char* path, stErrorInfo* error, HKEY key, const char* name, char (&value)[kRegTextSize])
{
    DWORD size = sizeof value;
    return BaRe_QueryValue(path, error, key, name, nullptr, value, &size, REG_SZ);
}

// The characters a conversion cannot hold, when there are any, then the question in a
// paragraph of its own. Piece by piece: "literal" + string trips GCC 12's -Wrestrict here.
void AppendLostAndQuestion(std::string& message, UINT lostId, const std::vector<char32_t>& lost, UINT questionId)
{
    if (!lost.empty()) {
        message += '\n';
        message += FormatResText(lostId, CharacterNames(lost).c_str());
    }
    message += "\n\n";
    message += LoadResString(questionId);
}

// A failed system call is shown. A file that the reader refused is offered for repair, in
// the reader's message followed by the file's name, how it was saved when that is not as a
// rules file, and what its conversion cannot hold. True when the offer is taken, with the
// text to repair.
bool OfferRepair(const CAllPlayersInfo& players, const std::string& path, std::string& repairText)
{
    stParseError error;
    players.GetError(&error);
    if (error.code == kParseErrorSystem) {
        ShowErrorInfo(&error.sysError);
        return false;
    }
    std::string message = FormatText("%s\n%s%u", LoadResString(static_cast<UINT>(error.code)).c_str(),
                                     LoadResString(IDS_LINE).c_str(), static_cast<unsigned>(error.line + 1)) +
                          "\n" + LoadResString(IDS_FILE) + path;
    // The collection keeps only what it could read; the encoding and the repair need the bytes.
    std::string bytes;
    stErrorInfo readError;
    if (ReadWholeFile(path, bytes, readError, "AllPlayersInfo") != 0) {
        ErrorBox(message); // gone since it was read: nothing left to repair
        return false;
    }
    const stConvertedText converted = ConvertToRulesText(bytes, Utf16ToAnsi);
    message += EncodingNote(IDS_FILE_ENCODING, bytes);
    AppendLostAndQuestion(message, IDS_CHARACTERS_NOT_HELD, converted.lost, IDS_OPEN_TO_REPAIR);
    if (AppMessageBox(message, MB_YESNO | MB_ICONERROR) != IDYES)
        return false;
    repairText = converted.text;
    return true;
}

enum class Utf8Answer { ReadAsIs, Converted, Repair };

// A file that loads but looks like UTF-8 text loads garbled: every character beyond ASCII
// reads as two or more. It is the one file that loads and still gets a question: convert it
// as a file with a UTF-8 mark is converted, or read it as it is. A converted text that the
// reader refuses (the code page's "?" can make two names one) goes to the repair editor.
Utf8Answer OfferUtf8Conversion(CAllPlayersInfo& players, const std::string& path, std::string& repairText)
{
    std::string bytes;
    stErrorInfo readError;
    if (ReadWholeFile(path, bytes, readError, "AllPlayersInfo") != 0)
        return Utf8Answer::ReadAsIs; // gone since it was read: what was read stays
    const stTextEncoding encoding = DetectEncoding(bytes);
    if (encoding.form != TextForm::Utf8)
        return Utf8Answer::ReadAsIs;
    const stConvertedText converted = ConvertToRulesText(bytes, Utf16ToAnsi);
    // Where the ANSI code page is UTF-8 itself, there is nothing to convert.
    if (converted.text == bytes)
        return Utf8Answer::ReadAsIs;
    std::string message = LoadResString(IDS_FILE) + path + EncodingNote(IDS_FILE_ENCODING, bytes);
    AppendLostAndQuestion(message, IDS_CHARACTERS_CONVERTED, converted.lost, IDS_CONVERT_UTF8);
    if (AppMessageBox(message, MB_YESNO | MB_ICONQUESTION) != IDYES)
        return Utf8Answer::ReadAsIs;
    if (players.ParseText(converted.text) == 0)
        return Utf8Answer::Converted;
    repairText = converted.text;
    return Utf8Answer::Repair;
}

} // namespace

int FindRulesFile(stErrorInfo* error, CAllPlayersInfo& players, RulesFileSink& sink)
{
    std::setlocale(LC_ALL, "");

    char path[kKeyPathTextSize];
    REGSAM view = 0;
    RegKeyHolder key;
    if (LONG status = OpenHostKey(path, error, kHostKey, view, key))
        return status;
    char version[kRegTextSize];
    if (LONG status = QueryString(path, error, key.Get(), "Version", version))
        return status;
    if (BaRe_CompareVersions(version, "4.3") < 0)
        return 2;
    if (BaRe_CompareVersions(version, "6.0") >= 0)
        SetDispNameSupported();

    key.Close();
    char subkey[kRegTextSize];
    CopyCut(subkey, FormatText("%s\\%s", kHostKey, version).c_str());
    if (LONG status = OpenHostKey(path, error, subkey, view, key))
        return status;
    char hostPath[kRegTextSize];
    if (LONG status = QueryString(path, error, key.Get(), "Path", hostPath))
        return status;

    char rulesPath[kRegTextSize];
    CopyCut(rulesPath, FormatText("%s\\Players.txt", hostPath).c_str());
    sink.ShowRulesPath(rulesPath);
    if (players.LoadFromFile(rulesPath) != 0) {
        std::string repairText;
        if (!OfferRepair(players, rulesPath, repairText))
            return -1;
        sink.RulesToRepair(rulesPath, repairText);
        return kRepairRulesFile;
    }
    std::string repairText;
    switch (OfferUtf8Conversion(players, rulesPath, repairText)) {
    case Utf8Answer::ReadAsIs: sink.RulesLoaded(rulesPath); return 0;
    case Utf8Answer::Converted: sink.RulesConverted(rulesPath); return 0;
    case Utf8Answer::Repair: sink.RulesToRepair(rulesPath, repairText); return kRepairRulesFile;
    }
    return 0;
}
