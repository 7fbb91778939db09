// UTF-8 and the system code page <-> UTF-16 through the system's converter.
#include "base/win32/WideText.h"

#include <windows.h>

namespace morvane {
namespace {

std::wstring widen(UINT codePage, std::string_view text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

// Each byte as the character of that number: the Latin-1 reading.
std::wstring widenLatin1(std::string_view bytes)
{
    std::wstring wide;
    for (const char byte : bytes)
        wide += static_cast<wchar_t>(static_cast<unsigned char>(byte));
    return wide;
}

bool isUtf8(std::string_view text)
{
    return text.empty() || MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                               static_cast<int>(text.size()), nullptr, 0) > 0;
}

}  // namespace

std::wstring widenUtf8(std::string_view text) { return widen(CP_UTF8, text); }

// Where the code page is UTF-8 (the program's manifest asks for it), the robot's Western
// 8-bit text is rarely valid UTF-8: it is read as Latin-1, as morvane reads it, so that
// every byte shows as a character and none as a gap.
std::wstring widenCodePage(std::string_view bytes)
{
    if (GetACP() == CP_UTF8 && !isUtf8(bytes))
        return widenLatin1(bytes);
    return widen(CP_ACP, bytes);
}

std::string narrowToUtf8(std::wstring_view text)
{
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

}  // namespace morvane
