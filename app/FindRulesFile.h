#pragma once
// Finds the host recorder's installation through the registry and loads its rules file.

#include <string>

#include "platform/ErrorInfo.h"

class CAllPlayersInfo;

// What the lookup tells the dialog that asked for it.
class RulesFileSink {
public:
    virtual ~RulesFileSink() = default;
    virtual void ShowRulesPath(const std::string& path) = 0;   // before loading
    virtual void RulesLoaded(const std::string& path) = 0;     // after a successful load
    // After a load converted on the user's word: the collection differs from the file.
    virtual void RulesConverted(const std::string& path) = 0;
    // After a failed parse that the user chose to repair: the file and the text to repair.
    virtual void RulesToRepair(const std::string& path, const std::string& text) = 0;
};

// The file failed to parse and the user chose to repair it in the manual editor.
constexpr int kRepairRulesFile = -2;

// 0 loaded; -1 the file failed to load (its message has been shown); kRepairRulesFile;
// 2 the host is not installed in a usable version; any other value is the status of the
// registry call that failed, with the record filled.
int FindRulesFile(stErrorInfo* error, CAllPlayersInfo& players, RulesFileSink& sink);

extern const char* const kHostKey;
