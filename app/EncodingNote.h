#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The sentence that says how text meant as rules was saved otherwise (a byte-order mark,
// UTF-16, LF line ends), on a line of its own; empty for rules text. subjectId is the
// sentence's string, which names the file or the text.
std::string EncodingNote(UINT subjectId, std::string_view bytes);
