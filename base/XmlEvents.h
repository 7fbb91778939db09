// An XML document read as a stream of events through a well-kept parser, behind one small
// interface: expat on Linux and macOS, the system's XmlLite on Windows. Names and text
// arrive as UTF-8 whatever encoding the document declares. Document type declarations are
// refused, so no entity of a document's own can expand.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace morvane {

struct XmlAttribute {
    std::string name;
    std::string value;
};

class XmlEvents {
public:
    virtual ~XmlEvents() = default;
    virtual void startElement(std::string_view name, std::span<const XmlAttribute> attributes) = 0;
    // Character data of the element open, which may come in several pieces.
    virtual void text(std::string_view piece) = 0;
    virtual void endElement(std::string_view name) = 0;
};

// Reads `document` whole, telling `events` as it goes. None when it is well-formed; else
// why not, as a clause: "not well-formed XML (line N)", "an encoding that cannot be read
// (line N)" or "a document type declaration (line N)". Events told before a fault stand.
std::optional<std::string> readXml(std::span<const std::uint8_t> document, XmlEvents& events);

}  // namespace morvane
