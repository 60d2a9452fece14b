#pragma once
// The process's ANSI code page, as far as splitting text into characters needs it.

// True when the byte begins a double-byte character of the ANSI code page.
bool IsAnsiLeadByte(unsigned char byte);
