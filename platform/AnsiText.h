#pragma once
// Text of the ANSI code page, the rules file's encoding: where its double-byte characters
// begin, its conversion for output that must be UTF-8 (JSON), and the conversion into it.

#include <string>
#include <string_view>

// Text of the ANSI code page for output that must be UTF-8 (JSON). On Windows the system's
// ANSI code page is converted; elsewhere the text is taken to be UTF-8 already and comes back
// as it is.
std::string AnsiToUtf8(const std::string& text);

// Whether a byte begins a double-byte character of a code page; a null one means that no
// byte does.
using LeadBytePredicate = bool (*)(unsigned char byte);

// True when the byte begins a double-byte character of the ANSI code page. Elsewhere no byte
// does: UTF-8 needs none, as its bytes above 0x7F never pair with an ASCII one.
bool IsAnsiLeadByte(unsigned char byte);

// UTF-16 text in the ANSI code page, without best-fit mapping: a character that the code page
// cannot hold becomes "?", the default character. True when every character was held.
// Elsewhere than on Windows the code page is taken to be UTF-8, which holds all but unpaired
// surrogates.
bool Utf16ToAnsi(std::u16string_view text, std::string& out);
