// POSIX implementation of the stick's file layer.
#include "stick/OsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <string>
#include <utility>

namespace morvane {

std::optional<OsFile> OsFile::openExisting(std::string_view path)
{
    const std::string native(path);
    // The stick is only read: where the system allows it (the file's owner, or root, on
    // Linux), not even its access time changes.
    // Opening does not wait: a pipe standing under a stick file's name would otherwise hold
    // the open until some writer came, and only a regular file is a stick file (a device
    // such as /dev/zero never ends).
    constexpr int flags = O_RDONLY | O_CLOEXEC | O_NONBLOCK;
    int fd = -1;
#ifdef O_NOATIME
    fd = ::open(native.c_str(), flags | O_NOATIME);
#endif
    if (fd < 0)
        fd = ::open(native.c_str(), flags);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    return OsFile(fd);
}

std::optional<std::size_t> OsFile::read(void* buffer, std::size_t count)
{
    if (!isOpen())
        return std::nullopt;
    for (;;) {
        ssize_t got = ::read(static_cast<int>(handle_), buffer, count);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            return std::nullopt;
    }
}

std::optional<std::int64_t> OsFile::seek(std::int64_t offset, int origin)
{
    if (!isOpen())
        return std::nullopt;
    const off_t position = ::lseek(static_cast<int>(handle_), static_cast<off_t>(offset), origin);
    if (position < 0)
        return std::nullopt;
    return static_cast<std::int64_t>(position);
}

bool OsFile::close()
{
    if (!isOpen())
        return false;
    return ::close(static_cast<int>(std::exchange(handle_, kNoHandle))) == 0;
}

std::optional<std::string> currentDirectory()
{
    char buffer[PATH_MAX];
    if (::getcwd(buffer, sizeof buffer) == nullptr)
        return std::nullopt;
    return std::string(buffer);
}

bool changeDirectory(std::string_view path)
{
    return !path.empty() && ::chdir(std::string(path).c_str()) == 0;
}

void quietDriveProbes() {}

std::string systemCodePageText(std::string_view utf8) { return std::string(utf8); }

}  // namespace morvane
