// The Win32 file calls mapped onto POSIX, with errno turned into the Win32 codes that the
// records and their texts are made of.
#include "platform/FileIo.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/FileFaults.h"

namespace {

constexpr uint32_t kFileNotFound = 2;
constexpr uint32_t kPathNotFound = 3;
constexpr uint32_t kAccessDenied = 5;
constexpr uint32_t kGenFailure = 31;
constexpr uint32_t kSharingViolation = 32;
constexpr uint32_t kFileExists = 80;
constexpr uint32_t kDiskFull = 112;

bool ParentExists(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return true;
    struct stat st {};
    return stat(slash == 0 ? "/" : path.substr(0, slash).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

uint32_t Win32Code(int error, const std::string& path)
{
    switch (error) {
    case ENOENT: return ParentExists(path) ? kFileNotFound : kPathNotFound;
    case ENOTDIR: return kPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR: return kAccessDenied;
    case EEXIST: return kFileExists;
    case ENOSPC: return kDiskFull;
    case EBUSY:
    case ETXTBSY: return kSharingViolation;
    default: return kGenFailure;
    }
}

class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { Close(); }
    bool IsValid() const { return m_fd >= 0; }
    int Get() const { return m_fd; }
    int Close()
    {
        if (m_fd < 0)
            return 0;
        const int r = ::close(m_fd);
        m_fd = -1;
        return r;
    }

private:
    int m_fd;
};

bool Injected(uint32_t& code)
{
    const stFileFault fault = FileFault_Next();
    if (fault.hit && fault.kind == FileFaultKind::Fail) {
        code = kInjectedFileError;
        return true;
    }
    return false;
}

bool Failed(bool ok, uint32_t& code, const std::string& path)
{
    if (ok)
        return false;
    code = Win32Code(errno, path);
    return true;
}

int Fail(stErrorInfo& err, uint32_t code, const char* function, const std::string& path,
         const char* sourceFile, int line)
{
    ErrorInfo_Set(&err, ErrorKind_System, code, function, path.c_str(), sourceFile, line);
    return -1;
}

int Open(const std::string& path, int flags, uint32_t& code)
{
    if (Injected(code))
        return -1;
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
    if (Failed(fd >= 0, code, path))
        return -1;
    // Windows refuses to open a folder as a file.
    struct stat st {};
    if (fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        code = kAccessDenied;
        return -1;
    }
    return fd;
}

// As on Windows, a read-only target is not replaced, though rename would replace it; a file
// without any write permission is what Wine shows as read-only. The open gives the other
// refusals Windows would report when creating the file, and counts as that call.
bool TargetRefused(const std::string& path, uint32_t& code)
{
    struct stat st {};
    if (stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        code = kAccessDenied;
        return true;
    }
    Fd target(Open(path, O_WRONLY | O_NONBLOCK, code));
    if (!target.IsValid())
        return code != kFileNotFound;
    code = 0;
    return false;
}

} // namespace

int ReadWholeFile(const std::string& path, std::string& text, stErrorInfo& err,
                  const char* sourceFile)
{
    uint32_t code = 0;
    Fd file(Open(path, O_RDONLY, code));
    if (!file.IsValid())
        return Fail(err, code, "CreateFile", path, sourceFile, __LINE__);

    struct stat st {};
    if (Injected(code) || Failed(fstat(file.Get(), &st) == 0, code, path))
        return Fail(err, code, "GetFileSize", path, sourceFile, __LINE__);

    std::string buffer(static_cast<std::size_t>(st.st_size), '\0');
    ssize_t got = 0;
    if (Injected(code) || Failed((got = ::read(file.Get(), buffer.data(), buffer.size())) >= 0, code, path))
        return Fail(err, code, "ReadFile", path, sourceFile, __LINE__);
    buffer.resize(static_cast<std::size_t>(got));
    text = std::move(buffer);
    return 0;
}

int WriteFileReplacing(const std::string& path, const std::string& data, stErrorInfo& err,
                       const char* sourceFile)
{
    // No name, no file: the temporary name made from it would land in the current folder.
    if (path.empty())
        return Fail(err, kPathNotFound, "CreateFile", path, sourceFile, __LINE__);
    const std::string temp = ReplacingTempPath(path);
    uint32_t code = 0;
    Fd file(Open(temp, O_WRONLY | O_CREAT | O_TRUNC, code));
    if (!file.IsValid())
        return Fail(err, code, "CreateFile", temp, sourceFile, __LINE__);

    const char* function = nullptr;
    int line = 0;
    const stFileFault fault = FileFault_Next();
    if (fault.hit && fault.kind == FileFaultKind::Fail) {
        code = kInjectedFileError;
    } else {
        const std::size_t toWrite = fault.hit && fault.shortWriteBytes < data.size()
                                        ? fault.shortWriteBytes : data.size();
        const ssize_t written = ::write(file.Get(), data.data(), toWrite);
        if (!Failed(written >= 0, code, temp) && static_cast<std::size_t>(written) < data.size())
            code = kDiskFull; // a write that stops short does not say why
    }
    if (code != 0) {
        function = "WriteFile";
        line = __LINE__;
    } else if (Injected(code) || Failed(fsync(file.Get()) == 0, code, temp)) {
        function = "FlushFileBuffers";
        line = __LINE__;
    } else if (Injected(code) || Failed(file.Close() == 0, code, temp)) {
        function = "CloseHandle";
        line = __LINE__;
    }
    if (function) {
        file.Close();
        ::unlink(temp.c_str());
        return Fail(err, code, function, temp, sourceFile, line);
    }

    if (TargetRefused(path, code)) {
        ::unlink(temp.c_str());
        return Fail(err, code, "CreateFile", path, sourceFile, __LINE__);
    }
    if (Injected(code) || Failed(::rename(temp.c_str(), path.c_str()) == 0, code, path)) {
        ::unlink(temp.c_str());
        return Fail(err, code, "MoveFileEx", path, sourceFile, __LINE__);
    }
    return 0;
}
