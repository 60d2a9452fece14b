#pragma once
// Showing error records, and the report of an exception caught while releasing a resource.

#include <windows.h>

#include "platform/ErrorInfo.h"

// Shows the record in the one report format; shows nothing for a cleared record.
void ShowErrorInfo(const stErrorInfo* info, HWND owner = nullptr);

// Plain box (no icon): "Exception thrown in destructor (file:line)" and the message.
// A null message leaves out the second line.
void ReportDestructorException(const char* sourceFile, int line, const char* message);
