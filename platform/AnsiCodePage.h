#pragma once
// The one step of the encoding repair that needs the system: putting Unicode text into the
// ANSI code page, in which the rules file is kept.

#include <string>
#include <string_view>

// Converts UTF-16 text without best-fit mapping: a character that the code page cannot hold
// becomes its default character. True when every character was held.
bool Utf16ToAnsi(std::u16string_view text, std::string& out);
