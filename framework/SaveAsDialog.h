#pragma once
// The standard Save As dialog goes through AppSaveAs, so that tests can put a recorder in
// place of it as they do for message boxes.

#include <windows.h>

#include <functional>
#include <optional>
#include <string>

#include "platform/ErrorInfo.h"

struct SaveAsRequest {
    HWND owner;
    std::string fileName; // proposed in the dialog
    std::string filter;   // file types, "|" after the name and after the pattern of each
    std::string folder;   // where the dialog opens; empty leaves it to the system
};

// The chosen path, or nothing when the user cancelled.
using SaveAsHook = std::function<std::optional<std::string>(const SaveAsRequest&)>;

// Installs a replacement for the real dialog; returns the one it replaces. An empty hook
// restores the real dialog.
SaveAsHook SetSaveAsHook(SaveAsHook hook);

// The chosen path; nothing when the user cancelled, or when the dialog failed, which then
// fills the record (kind 2: the dialog's own error code has no system text).
std::optional<std::string> AppSaveAs(const SaveAsRequest& request, stErrorInfo& error);
