// Saves the current directory on construction and goes back to it on destruction.
#include "tests/support/CurrentDirectoryGuard.h"

#include "stick/OsFile.h"

namespace morvane::test {

CurrentDirectoryGuard::CurrentDirectoryGuard() : saved_(currentDirectory().value_or(".")) {}

CurrentDirectoryGuard::~CurrentDirectoryGuard() { changeDirectory(saved_); }

}  // namespace morvane::test
