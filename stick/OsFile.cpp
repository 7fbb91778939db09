// Ownership of an OsFile handle; the platform files hold the system calls.
#include "stick/OsFile.h"

#include <utility>

namespace morvane {

OsFile::OsFile(OsFile&& other) noexcept : handle_(std::exchange(other.handle_, kNoHandle)) {}

OsFile& OsFile::operator=(OsFile&& other) noexcept
{
    if (this != &other) {
        close();
        handle_ = std::exchange(other.handle_, kNoHandle);
    }
    return *this;
}

OsFile::~OsFile() { close(); }

}  // namespace morvane
