// Handing text to the clipboard as CF_TEXT. The memory block belongs to the clipboard
// only once SetClipboardData has taken it; on any failure before that the block is freed
// here, and a clipboard that was opened is closed again.
#include "app/win32/SystemClipboard.h"

#include <cstring>

namespace morvane::win32 {
namespace {

HGLOBAL copyToGlobalMemory(std::string_view bytes)
{
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (block == nullptr)
        return nullptr;
    void* target = GlobalLock(block);
    if (target == nullptr) {
        GlobalFree(block);
        return nullptr;
    }
    std::memcpy(target, bytes.data(), bytes.size());
    GlobalUnlock(block);
    return block;
}

}  // namespace

Clipboard::Result SystemClipboard::putText(std::string_view bytes)
{
    HGLOBAL block = copyToGlobalMemory(bytes);
    if (block == nullptr)
        return Result::NoMemory;
    if (!OpenClipboard(owner_.window)) {
        GlobalFree(block);
        return Result::Refused;
    }
    if (!EmptyClipboard() || SetClipboardData(CF_TEXT, block) == nullptr) {
        CloseClipboard();
        GlobalFree(block);
        return Result::Refused;
    }
    CloseClipboard();
    return Result::Done;
}

}  // namespace morvane::win32
