# Makes a C++ table of the string table's texts from a resource script, for programs that
# have no resources of their own (players-check):
#   cmake -DRC=res/strings.rc -DOUT=StringTable.cpp -P StringTable.cmake
# Every STRINGTABLE block of the script counts. A text is the resource compiler's: "" is
# one double quote, and the backslash escapes (\n, \r, \t, \\, \x.., octal) mean what they
# mean in C++, so the text goes into a C++ literal with only its doubled quotes changed.
# The ids stay names (or numbers): the table includes res/resource.h.

cmake_minimum_required(VERSION 3.20)

if(NOT RC OR NOT OUT)
  message(FATAL_ERROR "usage: cmake -DRC=strings.rc -DOUT=StringTable.cpp -P StringTable.cmake")
endif()

file(READ "${RC}" rest)
# CMake lists split at ';' and group at '[' and ']': they are kept out of the way while the
# script is taken apart, and put back in the output.
string(ASCII 1 kSemicolon)
string(ASCII 2 kOpenBracket)
string(ASCII 3 kCloseBracket)
string(REPLACE ";" "${kSemicolon}" rest "${rest}")
string(REPLACE "[" "${kOpenBracket}" rest "${rest}")
string(REPLACE "]" "${kCloseBracket}" rest "${rest}")

set(entries "")
set(count 0)
set(inTable FALSE)   # between STRINGTABLE's BEGIN and END
set(seenKeyword FALSE) # STRINGTABLE read, BEGIN not yet
set(id "")           # a word inside a block that a text may follow
while(NOT rest STREQUAL "")
  if(rest MATCHES "^[ \t\r\n,]+")
    set(token "")
  elseif(rest MATCHES "^//[^\n]*")
    set(token "")
  elseif(rest MATCHES "^#[^\n]*")
    set(token "")
  elseif(rest MATCHES "^/\\*")
    string(FIND "${rest}" "*/" end)
    if(end LESS 0)
      message(FATAL_ERROR "${RC}: comment without an end")
    endif()
    math(EXPR end "${end} + 2")
    string(SUBSTRING "${rest}" 0 ${end} CMAKE_MATCH_0)
    set(token "")
  elseif(rest MATCHES "^\"([^\"]|\"\")*\"")
    set(token "text")
  elseif(rest MATCHES "^[A-Za-z0-9_]+")
    set(token "word")
  elseif(rest MATCHES "^[{}]")
    set(token "${CMAKE_MATCH_0}")
  else()
    string(SUBSTRING "${rest}" 0 1 CMAKE_MATCH_0)
    set(token "")
  endif()
  set(match "${CMAKE_MATCH_0}")
  string(LENGTH "${match}" length)
  string(SUBSTRING "${rest}" ${length} -1 rest)

  if(token STREQUAL "word" AND match STREQUAL "STRINGTABLE")
    set(seenKeyword TRUE)
  elseif(seenKeyword AND (match STREQUAL "BEGIN" OR token STREQUAL "{"))
    set(seenKeyword FALSE)
    set(inTable TRUE)
    set(id "")
  elseif(inTable AND (match STREQUAL "END" OR token STREQUAL "}"))
    set(inTable FALSE)
  elseif(inTable AND token STREQUAL "word")
    set(id "${match}")
  elseif(inTable AND token STREQUAL "text" AND NOT id STREQUAL "")
    string(LENGTH "${match}" length)
    math(EXPR length "${length} - 2")
    string(SUBSTRING "${match}" 1 ${length} text)
    string(REPLACE "\"\"" "\\\"" text "${text}")
    string(APPEND entries "    {${id}, \"${text}\"},\n")
    math(EXPR count "${count} + 1")
    set(id "")
  endif()
endwhile()

if(count EQUAL 0)
  message(FATAL_ERROR "${RC}: no string table entries")
endif()
string(REPLACE "${kSemicolon}" ";" entries "${entries}")
string(REPLACE "${kOpenBracket}" "[" entries "${entries}")
string(REPLACE "${kCloseBracket}" "]" entries "${entries}")

file(WRITE "${OUT}" "// Made from ${RC} at build time; do not edit.
#include \"res/StringTable.h\"

#include \"res/resource.h\"

namespace {
constexpr stStringTableEntry kEntries[] = {
${entries}};
} // namespace

std::span<const stStringTableEntry> StringTableEntries()
{
    return kEntries;
}
")
