#include "framework/ErrorReport.h"

#include <string>

#include "framework/MessageBox.h"
#include "framework/ResString.h"
#include "res/resource.h"

void ShowErrorInfo(const stErrorInfo* info, HWND owner)
{
    if (!info || info->kind == ErrorKind_None)
        return;
    std::string text = FormatResText(IDS_UNEXPECTED_ERROR, static_cast<unsigned>(info->code),
                                     info->text, info->function, info->argument);
    AppMessageBox(text, MB_ICONERROR | MB_OK, owner);
}

void ReportDestructorException(const char* sourceFile, int line, const char* message)
{
    static const char kWhat[] = "Exception thrown in destructor";
    std::string text;
    if (message && *message) {
        std::string cut(message);
        if (cut.size() > 511)
            cut.resize(511);
        text = FormatText("%s (%s:%d)\n%s", kWhat, sourceFile, line, cut.c_str());
    } else {
        text = FormatText("%s (%s:%d)", kWhat, sourceFile, line);
    }
    AppMessageBox(text, MB_OK);
}
