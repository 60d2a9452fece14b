#pragma once
// An edit control ends its text at a NUL byte and would hide everything after it. A text that
// holds NULs is shown with a mark in place of each: a character of the ANSI code page that the
// text does not hold already, so that every mark left in the edited text is a NUL.

#include <string>
#include <string_view>

#include "platform/AnsiText.h"
#include "rules/TextEncoding.h"

struct stNulMarks {
    std::string text;                      // the text with each NUL replaced by the mark
    std::string mark;                      // empty when the text holds no NUL
    std::size_t first = std::string::npos; // where the first mark stands in text
};

stNulMarks MarkNuls(std::string_view text, const AnsiEncoder& toAnsi, const stCodePage& codePage);

// Where the character first stands in the text as a whole character (not as the trail byte
// of one and the lead byte of the next); npos when nowhere.
std::size_t FindCharacter(std::string_view text, std::string_view character, const stCodePage& codePage);
