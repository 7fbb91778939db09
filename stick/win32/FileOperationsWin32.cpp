// Win32 file operations for saves: CreateFile, WriteFile, FlushFileBuffers, CloseHandle,
// MoveFileEx (replacing, written through to the disk before it returns) and DeleteFile.
#include "base/win32/WideText.h"
#include "stick/FileOperations.h"

#include <windows.h>

#include <algorithm>

namespace morvane {
namespace {

HANDLE toHandle(FileOperations::Handle file) { return reinterpret_cast<HANDLE>(file); }

// `path` with its last name as the disk spells it when a file stands there: a file replaced
// keeps the letter case it had, as a stick path resolved on the other systems does.
std::wstring spelledAsOnDisk(const std::wstring& path)
{
    if (path.find_first_of(L"*?") != std::wstring::npos)
        return path;  // no file's name; FindFirstFile would take them for wildcards
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return path;
    FindClose(search);
    const std::size_t slash = path.find_last_of(L"\\/");
    return path.substr(0, slash == std::wstring::npos ? 0 : slash + 1) + found.cFileName;
}

class Win32FileOperations final : public FileOperations {
public:
    std::optional<Handle> create(const std::string& path) override
    {
        HANDLE file = CreateFileW(widenUtf8(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE)
            return std::nullopt;
        return reinterpret_cast<Handle>(file);
    }

    bool write(Handle file, std::span<const std::uint8_t> bytes) override
    {
        while (!bytes.empty()) {
            const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), MAXDWORD));
            DWORD written = 0;
            if (!WriteFile(toHandle(file), bytes.data(), chunk, &written, nullptr) || written == 0)
                return false;
            bytes = bytes.subspan(written);
        }
        return true;
    }

    bool flush(Handle file) override { return FlushFileBuffers(toHandle(file)) != 0; }
    bool close(Handle file) override { return CloseHandle(toHandle(file)) != 0; }

    // A read-only file is kept: Windows refuses to replace one, and Wine's MoveFileEx
    // would replace it all the same, so the attribute is checked here first. A file
    // replaced keeps its name's letter case.
    bool rename(const std::string& from, const std::string& to) override
    {
        const std::wstring target = spelledAsOnDisk(widenUtf8(to));
        const DWORD attributes = GetFileAttributesW(target.c_str());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
            return false;
        return MoveFileExW(widenUtf8(from).c_str(), target.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    }

    bool remove(const std::string& path) override { return DeleteFileW(widenUtf8(path).c_str()) != 0; }
};

}  // namespace

FileOperations& systemFileOperations()
{
    static Win32FileOperations operations;
    return operations;
}

}  // namespace morvane
