#pragma once
// Text of the ANSI code page for output that must be UTF-8 (JSON).

#include <string>

// On Windows the system's ANSI code page is converted; elsewhere the text is taken to be
// UTF-8 already and comes back as it is.
std::string AnsiToUtf8(const std::string& text);
