// Reading the window program's command line.
#include "app/StartupCommandLine.h"

namespace morvane {
namespace {

// Only the blank (0x20) separates; tabs belong to the directory.
std::string_view skipBlanks(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view() : text.substr(first);
}

// Windows puts a folder whose path holds a blank in double quotes. A quote cannot be part
// of a Windows file name, so one pair around the whole text is never the folder's own.
std::string_view withoutEnclosingQuotes(std::string_view text)
{
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

}  // namespace

std::string_view stickDirectoryArgument(std::string_view commandLine)
{
    std::string_view rest = skipBlanks(commandLine);
    if (rest.starts_with("/v"))
        rest.remove_prefix(2);
    return withoutEnclosingQuotes(skipBlanks(rest));
}

}  // namespace morvane
