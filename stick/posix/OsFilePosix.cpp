// POSIX implementation of the stick's file layer.
#include "stick/OsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <utility>

namespace morvane {

std::optional<OsFile> OsFile::openExisting(std::string_view path)
{
    const std::string native = nativeStickPath(path);
    int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
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

bool OsFile::seekFromStart(std::int64_t offset)
{
    return isOpen() && offset >= 0 && ::lseek(static_cast<int>(handle_), offset, SEEK_SET) >= 0;
}

bool OsFile::seekFromCurrent(std::int64_t delta)
{
    return isOpen() && ::lseek(static_cast<int>(handle_), delta, SEEK_CUR) >= 0;
}

bool OsFile::close()
{
    if (!isOpen())
        return false;
    return ::close(static_cast<int>(std::exchange(handle_, kNoHandle))) == 0;
}

// A directory is not a file: Windows refuses to open one as a stream, and so does this.
std::FILE* openCStream(std::string_view path, const char* binaryMode)
{
    std::FILE* file = std::fopen(nativeStickPath(path).c_str(), binaryMode);
    struct stat info {};
    if (file != nullptr && ::fstat(::fileno(file), &info) == 0 && S_ISDIR(info.st_mode)) {
        std::fclose(file);
        return nullptr;
    }
    return file;
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
    return !path.empty() && ::chdir(nativeStickPath(path).c_str()) == 0;
}

void quietDriveProbes() {}

std::string systemCodePageText(std::string_view utf8) { return std::string(utf8); }

}  // namespace morvane
