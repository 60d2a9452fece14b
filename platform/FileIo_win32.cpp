#include "platform/FileIo.h"

#include <windows.h>

#include "platform/FileFaults.h"

namespace {

class FileHandle {
public:
    explicit FileHandle(HANDLE h) : m_h(h) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() { Close(); }
    bool IsValid() const { return m_h != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return m_h; }
    BOOL Close()
    {
        if (!IsValid())
            return TRUE;
        const BOOL ok = CloseHandle(m_h);
        m_h = INVALID_HANDLE_VALUE;
        return ok;
    }

private:
    HANDLE m_h;
};

// A counted call that the injector may fail; when it does, the call is not made.
bool Injected(DWORD& code)
{
    const stFileFault fault = FileFault_Next();
    if (fault.hit && fault.kind == FileFaultKind::Fail) {
        code = kInjectedFileError;
        return true;
    }
    return false;
}

// The code of a call that reported failure; never 0, so the failure cannot be lost.
bool Failed(BOOL ok, DWORD& code)
{
    if (ok)
        return false;
    code = GetLastError();
    if (code == 0)
        code = ERROR_GEN_FAILURE;
    return true;
}

int Fail(stErrorInfo& err, DWORD code, const char* function, const std::string& path,
         const char* sourceFile, int line)
{
    ErrorInfo_Set(&err, ErrorKind_System, code, function, path.c_str(), sourceFile, line);
    return -1;
}

HANDLE Open(const std::string& path, DWORD access, DWORD share, DWORD disposition, DWORD& code)
{
    if (Injected(code))
        return INVALID_HANDLE_VALUE;
    HANDLE h = CreateFileA(path.c_str(), access, share, nullptr, disposition,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    code = h == INVALID_HANDLE_VALUE ? GetLastError() : 0;
    return h;
}

// Windows refuses to move a file over one that is read-only or that another handle holds,
// but Wine's MoveFileEx replaces both. Opening the target as the save would write it, not
// shared, proves neither, with the codes Windows gives; an absent target needs no proof.
bool TargetRefused(const std::string& path, DWORD& code)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        code = ERROR_ACCESS_DENIED;
        return true;
    }
    FileHandle target(Open(path, GENERIC_WRITE, 0, OPEN_EXISTING, code));
    if (!target.IsValid())
        return code != ERROR_FILE_NOT_FOUND;
    code = 0;
    return false;
}

} // namespace

int ReadWholeFile(const std::string& path, std::string& text, stErrorInfo& err,
                  const char* sourceFile)
{
    DWORD code = 0;
    FileHandle file(Open(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING, code));
    if (!file.IsValid())
        return Fail(err, code, "CreateFile", path, sourceFile, __LINE__);

    DWORD size = INVALID_FILE_SIZE;
    if (!Injected(code)) {
        SetLastError(NO_ERROR);
        size = GetFileSize(file.Get(), nullptr);
        // The invalid-size result is also a real size when the error is still clear.
        code = size == INVALID_FILE_SIZE ? GetLastError() : 0;
    }
    if (code != 0)
        return Fail(err, code, "GetFileSize", path, sourceFile, __LINE__);

    std::string buffer(size, '\0');
    DWORD read = 0;
    if (Injected(code) || Failed(ReadFile(file.Get(), buffer.data(), size, &read, nullptr), code))
        return Fail(err, code, "ReadFile", path, sourceFile, __LINE__);
    buffer.resize(read);
    text = std::move(buffer);
    return 0;
}

int WriteFileReplacing(const std::string& path, const std::string& data, stErrorInfo& err,
                       const char* sourceFile)
{
    // No name, no file: the temporary name made from it would land in the current folder.
    if (path.empty())
        return Fail(err, ERROR_PATH_NOT_FOUND, "CreateFile", path, sourceFile, __LINE__);
    const std::string temp = ReplacingTempPath(path);
    DWORD code = 0;
    FileHandle file(Open(temp, GENERIC_WRITE, 0, CREATE_ALWAYS, code));
    if (!file.IsValid())
        return Fail(err, code, "CreateFile", temp, sourceFile, __LINE__);

    const char* function = nullptr;
    int line = 0;
    const DWORD size = static_cast<DWORD>(data.size());
    DWORD written = 0;
    const stFileFault fault = FileFault_Next();
    if (fault.hit && fault.kind == FileFaultKind::Fail) {
        code = kInjectedFileError;
    } else {
        const DWORD toWrite = fault.hit && fault.shortWriteBytes < size
                                  ? static_cast<DWORD>(fault.shortWriteBytes) : size;
        if (!Failed(WriteFile(file.Get(), data.data(), toWrite, &written, nullptr), code)
            && written < size)
            code = ERROR_DISK_FULL; // a write that stops short does not say why
    }
    if (code != 0) {
        function = "WriteFile";
        line = __LINE__;
    } else if (Injected(code) || Failed(FlushFileBuffers(file.Get()), code)) {
        function = "FlushFileBuffers";
        line = __LINE__;
    } else if (Injected(code) || Failed(file.Close(), code)) {
        function = "CloseHandle";
        line = __LINE__;
    }
    if (function) {
        file.Close();
        DeleteFileA(temp.c_str());
        return Fail(err, code, function, temp, sourceFile, line);
    }

    if (TargetRefused(path, code)) {
        DeleteFileA(temp.c_str());
        return Fail(err, code, "CreateFile", path, sourceFile, __LINE__);
    }
    // ReplaceFileA is avoided: Wine's removes the original before the move can fail.
    if (Injected(code) || Failed(MoveFileExA(temp.c_str(), path.c_str(),
                                             MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH),
                                 code)) {
        DeleteFileA(temp.c_str());
        return Fail(err, code, "MoveFileEx", path, sourceFile, __LINE__);
    }
    return 0;
}
