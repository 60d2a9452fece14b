#include "framework/SaveAsDialog.h"

#include <commdlg.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

SaveAsHook& Hook()
{
    static SaveAsHook hook;
    return hook;
}

} // namespace

SaveAsHook SetSaveAsHook(SaveAsHook hook)
{
    return std::exchange(Hook(), std::move(hook));
}

std::optional<std::string> AppSaveAs(const SaveAsRequest& request, stErrorInfo& error)
{
    ErrorInfo_Clear(&error);
    if (Hook())
        return Hook()(request);

    std::string filter = request.filter;
    std::replace(filter.begin(), filter.end(), '|', '\0');
    // The ANSI dialog returns at most MAX_PATH characters.
    std::vector<char> file(MAX_PATH, '\0');
    request.fileName.copy(file.data(), file.size() - 1);

    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = request.owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrDefExt = "txt";
    if (!request.folder.empty())
        dialog.lpstrInitialDir = request.folder.c_str();
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (GetSaveFileNameA(&dialog))
        return std::string(file.data());
    if (const DWORD code = CommDlgExtendedError())
        ErrorInfo_Set(&error, ErrorKind_CodeOnly, code, "GetSaveFileName", request.fileName.c_str(), "SaveAsDialog",
                      __LINE__);
    return std::nullopt;
}
