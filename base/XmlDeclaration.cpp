#include "base/XmlDeclaration.h"

#include <algorithm>
#include <cctype>

namespace morvane {

std::optional<XmlDeclaration> xmlDeclarationOf(std::string_view text)
{
    if (!text.starts_with("<?xml") || text.size() < 6 ||
        std::string_view(" \t\r\n").find(text[5]) == std::string_view::npos)
        return std::nullopt;
    const std::size_t end = text.find("?>");
    if (end == std::string_view::npos)
        return std::nullopt;
    const std::string_view inside = text.substr(0, end);
    const std::size_t encoding = inside.find("encoding");
    const std::size_t quote = inside.find_first_of("\"'", encoding);
    const std::size_t close = quote == std::string_view::npos ? quote : inside.find(inside[quote], quote + 1);
    if (encoding == std::string_view::npos || close == std::string_view::npos)
        return XmlDeclaration{end + 2, {}};
    return XmlDeclaration{end + 2, inside.substr(quote + 1, close - quote - 1)};
}

bool isEncodingName(std::string_view name, std::string_view lowerCase)
{
    return std::equal(name.begin(), name.end(), lowerCase.begin(), lowerCase.end(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

// UTF-16 shows in the first two bytes: a byte order mark, or the '<' that starts every
// document beside a zero byte. A UTF-8 byte order mark says UTF-8: a declaration of any
// other encoding after it contradicts it, and the readers would settle that differently.
bool hasReadableEncoding(std::string_view text)
{
    if (text.size() >= 2 &&
        (text[0] == '\0' || text[1] == '\0' || text.starts_with("\xFE\xFF") || text.starts_with("\xFF\xFE")))
        return false;
    const bool markedUtf8 = text.starts_with("\xEF\xBB\xBF");
    if (markedUtf8)
        text.remove_prefix(3);
    const std::optional<XmlDeclaration> declaration = xmlDeclarationOf(text);
    return !declaration || declaration->encoding.empty() || isEncodingName(declaration->encoding, "utf-8") ||
           (!markedUtf8 && isEncodingName(declaration->encoding, "iso-8859-1"));
}

}  // namespace morvane
