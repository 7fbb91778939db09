// expat, without namespace processing: a name is the element's name as written.
#include <expat.h>

#include <algorithm>
#include <vector>

#include "base/XmlDeclaration.h"
#include "base/XmlEvents.h"

namespace morvane {
namespace {

struct Reading {
    XmlEvents& events;
    XML_Parser parser;
    bool doctype = false;
    std::vector<XmlAttribute> attributes;
};

void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char** attributes)
{
    auto& reading = *static_cast<Reading*>(data);
    reading.attributes.clear();
    for (const XML_Char** pair = attributes; pair[0] != nullptr; pair += 2)
        reading.attributes.push_back({pair[0], pair[1]});
    reading.events.startElement(name, reading.attributes);
}

void XMLCALL onEnd(void* data, const XML_Char* name) { static_cast<Reading*>(data)->events.endElement(name); }

void XMLCALL onText(void* data, const XML_Char* text, int length)
{
    static_cast<Reading*>(data)->events.text(std::string_view(text, static_cast<std::size_t>(length)));
}

void XMLCALL onDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int)
{
    auto& reading = *static_cast<Reading*>(data);
    reading.doctype = true;
    XML_StopParser(reading.parser, XML_FALSE);
}

std::string fault(const Reading& reading)
{
    const std::string line = " (line " + std::to_string(XML_GetCurrentLineNumber(reading.parser)) + ")";
    if (reading.doctype)
        return "a document type declaration" + line;
    switch (XML_GetErrorCode(reading.parser)) {
    case XML_ERROR_UNKNOWN_ENCODING:
    case XML_ERROR_INCORRECT_ENCODING:
        return "an encoding that cannot be read" + line;
    default:
        return "not well-formed XML" + line;
    }
}

}  // namespace

std::optional<std::string> readXml(std::span<const std::uint8_t> document, XmlEvents& events)
{
    if (!hasReadableEncoding(
            std::string_view(reinterpret_cast<const char*>(document.data()), document.size())))
        return std::string("an encoding that cannot be read (line 1)");
    XML_Parser parser = XML_ParserCreate(nullptr);
    if (parser == nullptr)
        return std::string("not well-formed XML (line 0)");
    Reading reading{events, parser, false, {}};
    XML_SetUserData(parser, &reading);
    XML_SetElementHandler(parser, onStart, onEnd);
    XML_SetCharacterDataHandler(parser, onText);
    XML_SetStartDoctypeDeclHandler(parser, onDoctype);
    std::optional<std::string> result;
    // expat takes an int length: a document is fed in pieces that fit one.
    constexpr std::size_t kPiece = 1 << 20;
    std::size_t done = 0;
    do {
        const std::size_t size = std::min(kPiece, document.size() - done);
        const bool last = done + size == document.size();
        if (XML_Parse(parser, reinterpret_cast<const char*>(document.data() + done), static_cast<int>(size),
                      last ? XML_TRUE : XML_FALSE) != XML_STATUS_OK) {
            result = fault(reading);
            break;
        }
        done += size;
    } while (done < document.size());
    XML_ParserFree(parser);
    return result;
}

}  // namespace morvane
