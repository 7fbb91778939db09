// POSIX file operations for saves: open, write, fsync, close, rename and unlink.
#include "stick/FileOperations.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace morvane {
namespace {

int descriptor(FileOperations::Handle file) { return static_cast<int>(file); }

std::string directoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// A rename is only on the disk once its directory is; without this a power cut soon
// after a save could bring the old file back. Best effort: the rename has happened.
void syncDirectoryOf(const std::string& path)
{
    const int directory = ::open(directoryOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (directory < 0)
        return;
    ::fsync(directory);
    ::close(directory);
}

// On macOS fsync leaves the data in the drive's own cache, where a reader pulled out
// loses it; F_FULLFSYNC has the drive write it out. A file system that does not take it
// gets what fsync gives; any other failure of it is the flush's failure, which a later
// fsync could no longer report.
bool flushToDevice(int file)
{
#ifdef F_FULLFSYNC
    if (::fcntl(file, F_FULLFSYNC) == 0)
        return true;
    if (errno != ENOTSUP && errno != EINVAL && errno != ENOTTY)
        return false;
#endif
    return ::fsync(file) == 0;
}

// Windows will not replace a read-only file. A file that lacks its owner's write
// permission counts as read-only here, so a write-protected file is kept on every
// system, whoever runs the program.
bool isWriteProtected(const std::string& path)
{
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0;
}

class PosixFileOperations final : public FileOperations {
public:
    std::optional<Handle> create(const std::string& path) override
    {
        const int file = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (file < 0)
            return std::nullopt;
        return file;
    }

    bool write(Handle file, std::span<const std::uint8_t> bytes) override
    {
        while (!bytes.empty()) {
            const ssize_t written = ::write(descriptor(file), bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR)
                continue;
            if (written <= 0)
                return false;
            bytes = bytes.subspan(static_cast<std::size_t>(written));
        }
        return true;
    }

    bool flush(Handle file) override { return flushToDevice(descriptor(file)); }
    bool close(Handle file) override { return ::close(descriptor(file)) == 0; }

    bool rename(const std::string& from, const std::string& to) override
    {
        if (isWriteProtected(to) || std::rename(from.c_str(), to.c_str()) != 0)
            return false;
        syncDirectoryOf(to);
        return true;
    }

    bool remove(const std::string& path) override { return ::unlink(path.c_str()) == 0; }
};

}  // namespace

FileOperations& systemFileOperations()
{
    static PosixFileOperations operations;
    return operations;
}

}  // namespace morvane
