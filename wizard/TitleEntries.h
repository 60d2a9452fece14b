#pragma once
// Captured window titles as the wizard carries them: in the step 2 list text (one title
// per CR LF ended line) and as the template entries of the player being built.

#include <memory>
#include <string>
#include <vector>

#include "rules/FormatInfo.h"

class CPlayerInfo;

// A title as one line of a list or a rules file: each line break in it (CR LF, CR or LF)
// becomes one blank.
std::string OneLineTitle(const std::string& title);

// An entry whose template text is the title, made one line,, with the lines ";" and "; Example: <title>".
std::unique_ptr<CFormatInfo> MakeTitleEntry(const std::string& title);

// Replaces the player's entries by one entry per non-empty title, in order.
void SetTitleEntries(CPlayerInfo& player, const std::vector<std::string>& titles);

// The list text of the player's entries: each template text followed by CR LF.
std::string TitleListText(const CPlayerInfo& player);

// The non-empty lines of a list text, in order; the last line, which follows the final
// CR LF, is not a title.
std::vector<std::string> ListedTitles(const std::string& listText);

// Appends the title, made one line, and CR LF unless it is empty or already a line of the
// text (exact comparison). Returns whether it was appended.
bool AppendTitleIfNew(std::string& listText, const std::string& title);
