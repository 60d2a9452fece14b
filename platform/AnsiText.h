#pragma once
// Text of the ANSI code page: where its double-byte characters begin, and its conversion for
// output that must be UTF-8 (JSON).

#include <string>

// On Windows the system's ANSI code page is converted; elsewhere the text is taken to be
// UTF-8 already and comes back as it is.
std::string AnsiToUtf8(const std::string& text);

// Whether a byte begins a double-byte character of a code page; a null one means that no
// byte does.
using LeadBytePredicate = bool (*)(unsigned char byte);

// True when the byte begins a double-byte character of the ANSI code page. Elsewhere no byte
// does: UTF-8 needs none, as its bytes above 0x7F never pair with an ASCII one.
bool IsAnsiLeadByte(unsigned char byte);
