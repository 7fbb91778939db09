// Message boxes. The caption is the executable's file name without its extension, so a
// renamed program names itself by its new name.
#include "app/win32/MessageBoxMessages.h"

#include "base/win32/WideText.h"
#include "stick/ProgramPlaces.h"

namespace morvane::win32 {
namespace {

std::wstring programName()
{
    const std::wstring path = widenUtf8(executablePath().value_or(""));
    const std::size_t nameStart = path.find_last_of(L"\\/") + 1;  // 0 when there is no separator
    std::wstring name = path.substr(nameStart);
    const std::size_t extension = name.find_last_of(L'.');
    return extension == std::wstring::npos ? name : name.substr(0, extension);
}

}  // namespace

MessageBoxMessages::MessageBoxMessages(const OwnerWindow& owner) : owner_(owner), caption_(programName()) {}

void MessageBoxMessages::showMessage(std::string_view text)
{
    MessageBoxW(owner_.window, widenUtf8(text).c_str(), caption_.c_str(), MB_OK | MB_ICONWARNING);
}

bool MessageBoxMessages::askYesNo(std::string_view question)
{
    return MessageBoxW(owner_.window, widenUtf8(question).c_str(), caption_.c_str(),
                       MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

}  // namespace morvane::win32
