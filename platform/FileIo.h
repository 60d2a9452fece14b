#pragma once
// Whole-file input and output of the rules file. Both return 0 on success and -1 with the
// record filled (kind 1, the Win32 error code, the failing call's name, the path as
// argument, sourceFile as the reporting module).

#include <string>

#include "platform/ErrorInfo.h"

// Reads the file whole, opened for reading and shared for reading only.
int ReadWholeFile(const std::string& path, std::string& text, stErrorInfo& err,
                  const char* sourceFile);

// Puts data in place of the file at path. The data goes to a temporary file beside it,
// which is flushed and then moved over the target, so a failure at any step leaves the
// previous file as it was and no temporary file behind. A target that is read-only, or
// that another handle holds without sharing, is refused before the move as creating it
// would be ("CreateFile", access denied or sharing violation). The record's argument is the
// file whose call failed: the temporary file up to its closing, the target after it.
int WriteFileReplacing(const std::string& path, const std::string& data, stErrorInfo& err,
                       const char* sourceFile);

// The name of the temporary file that WriteFileReplacing uses for path: in the same folder,
// never the path itself, and within the longest path the file calls take whenever the path is.
std::string ReplacingTempPath(const std::string& path);
