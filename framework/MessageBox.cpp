#include "framework/MessageBox.h"

#include <utility>

namespace {

MessageBoxHook& Hook()
{
    static MessageBoxHook hook;
    return hook;
}

std::string TitleFromModulePath(const std::string& path)
{
    std::string name = path.substr(path.find_last_of("\\/") + 1);
    std::size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string ModulePath()
{
    std::string path(MAX_PATH, '\0');
    for (;;) {
        DWORD n = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

} // namespace

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

const std::string& AppTitle()
{
    static const std::string title = TitleFromModulePath(ModulePath());
    return title;
}

int AppMessageBox(const std::string& text, UINT type, HWND owner)
{
    MessageBoxRequest request{owner ? owner : GetActiveWindow(), AppTitle(), text, type};
    if (Hook())
        return Hook()(request);
    return MessageBoxA(request.owner, request.text.c_str(), request.caption.c_str(), request.type);
}

int ErrorBox(const std::string& text, HWND owner)
{
    return AppMessageBox(text, MB_ICONERROR | MB_OK, owner);
}
