// The XML declaration at the start of a document, and the encodings every system's reader
// takes alike: UTF-8, what a document without a declared encoding is in, and ISO-8859-1,
// what the robot writes. Each reader refuses every other (UTF-16 among them) before it
// starts, so that a document reads the same on Windows as elsewhere.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace morvane {

struct XmlDeclaration {
    std::size_t end;            // just after its "?>"
    std::string_view encoding;  // as written; empty when it names none
};

// The declaration `text` starts with, or none.
std::optional<XmlDeclaration> xmlDeclarationOf(std::string_view text);

// Whether `name` is `lowerCase` in any letter case.
bool isEncodingName(std::string_view name, std::string_view lowerCase);

// Whether the document `text` is in UTF-8 or ISO-8859-1, as its start and its declaration say.
bool hasReadableEncoding(std::string_view text);

}  // namespace morvane
