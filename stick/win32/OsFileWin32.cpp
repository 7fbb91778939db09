// Win32 implementation of the stick's file layer: CreateFile for an existing file with
// read access shared for reading, ReadFile, SetFilePointer and CloseHandle. Names go
// through the wide API so that roots outside ASCII open; FAT and NTFS already match
// names without regard to case.
#include "base/win32/WideText.h"
#include "stick/OsFile.h"
#include "stick/StickPath.h"

#include <windows.h>

#include <cstdio>
#include <utility>

namespace morvane {
namespace {

HANDLE toHandle(std::intptr_t value) { return reinterpret_cast<HANDLE>(value); }

DWORD moveMethodOf(int origin)
{
    if (origin == SEEK_CUR)
        return FILE_CURRENT;
    return origin == SEEK_END ? FILE_END : FILE_BEGIN;
}

}  // namespace

std::optional<OsFile> OsFile::openExisting(std::string_view path)
{
    // The stick is only read: where the system allows it, not even the file's access time
    // changes. That takes the right to write its times (a last access time of all ones
    // tells the system to keep it); a write-protected stick refuses that right, and the
    // file is then opened to be read alone.
    const std::wstring name = widenUtf8(path);
    HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ | FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        FILETIME keep{0xFFFFFFFF, 0xFFFFFFFF};
        SetFileTime(handle, nullptr, &keep, nullptr);
    } else {
        handle = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    if (handle == INVALID_HANDLE_VALUE)
        return std::nullopt;
    // Only a file on a disk is a stick file: a name such as CON or a pipe's opens a device
    // that may never end or never answer.
    if (GetFileType(handle) != FILE_TYPE_DISK) {
        CloseHandle(handle);
        return std::nullopt;
    }
    return OsFile(reinterpret_cast<std::intptr_t>(handle));
}

std::optional<std::size_t> OsFile::read(void* buffer, std::size_t count)
{
    DWORD got = 0;
    if (!isOpen() || count > MAXDWORD ||
        !ReadFile(toHandle(handle_), buffer, static_cast<DWORD>(count), &got, nullptr))
        return std::nullopt;
    return got;
}

std::optional<std::int64_t> OsFile::seek(std::int64_t offset, int origin)
{
    LARGE_INTEGER move;
    move.QuadPart = offset;
    LARGE_INTEGER position;
    if (!isOpen() || !SetFilePointerEx(toHandle(handle_), move, &position, moveMethodOf(origin)))
        return std::nullopt;
    return position.QuadPart;
}

bool OsFile::close()
{
    if (!isOpen())
        return false;
    return CloseHandle(toHandle(std::exchange(handle_, kNoHandle))) != 0;
}

std::optional<std::string> currentDirectory()
{
    DWORD length = GetCurrentDirectoryW(0, nullptr);
    if (length == 0)
        return std::nullopt;
    std::wstring buffer(length, L'\0');
    length = GetCurrentDirectoryW(length, buffer.data());
    if (length == 0 || length >= buffer.size())
        return std::nullopt;
    buffer.resize(length);
    return narrowToUtf8(buffer);
}

bool changeDirectory(std::string_view path)
{
    return !path.empty() && SetCurrentDirectoryW(widenUtf8(path).c_str()) != 0;
}

std::string nativeStickPath(std::string_view root, std::string_view relativePath)
{
    return root.empty() ? std::string(relativePath) : joinStickPath(root, relativePath);
}

std::string nativeStickPath(std::string_view relativePath) { return std::string(relativePath); }

std::string systemCodePageText(std::string_view utf8)
{
    const std::wstring wide = widenUtf8(utf8);
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    const int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

void quietDriveProbes() { SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX); }

}  // namespace morvane
