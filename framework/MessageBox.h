#pragma once
// Every message box of the program goes through AppMessageBox, so that tests can put a
// recorder in place of the real box.

#include <windows.h>

#include <functional>
#include <string>

struct MessageBoxRequest {
    HWND owner;
    std::string caption;
    std::string text;
    UINT type; // MB_ICON* | MB_OK...
};

using MessageBoxHook = std::function<int(const MessageBoxRequest&)>;

// Installs a replacement for the real message box; returns the one it replaces.
// An empty hook restores the real box.
MessageBoxHook SetMessageBoxHook(MessageBoxHook hook);

// The executable's file name without its extension: the caption of every box.
const std::string& AppTitle();

// A null owner means the active window of the thread.
int AppMessageBox(const std::string& text, UINT type, HWND owner = nullptr);

// Error icon and OK; returns the button pressed.
int ErrorBox(const std::string& text, HWND owner = nullptr);
