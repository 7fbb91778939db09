// XmlLite, the system's reader, loaded at run time: MinGW ships its header but no import
// library for it. The document is read from memory through an IStream; DTD processing is
// prohibited (XmlLite's default, set anyway). An empty element (<A/>) gets its end event
// here, as expat gives it.
#include <windows.h>

#include <shlwapi.h>
#include <xmllite.h>

#include <algorithm>
#include <cctype>
#include <vector>

#include "base/XmlEvents.h"
#include "base/win32/WideText.h"

namespace morvane {
namespace {

using CreateXmlReaderFunction = HRESULT(WINAPI*)(REFIID, void**, IMalloc*);

// Releases a COM object when it goes.
template <typename Interface>
struct Released {
    Interface* object = nullptr;
    ~Released()
    {
        if (object != nullptr)
            object->Release();
    }
};

std::string utf8(const WCHAR* text, UINT length) { return narrowToUtf8(std::wstring_view(text, length)); }

std::string qualifiedName(IXmlReader& reader)
{
    const WCHAR* name = nullptr;
    UINT length = 0;
    reader.GetQualifiedName(&name, &length);
    return utf8(name, length);
}

std::string value(IXmlReader& reader)
{
    const WCHAR* text = nullptr;
    UINT length = 0;
    reader.GetValue(&text, &length);
    return utf8(text, length);
}

// Tells the start of the element at hand; answers whether it stays open (it is not <A/>).
bool tellElement(IXmlReader& reader, XmlEvents& events, std::vector<XmlAttribute>& attributes)
{
    const std::string name = qualifiedName(reader);
    const bool empty = reader.IsEmptyElement() != FALSE;
    attributes.clear();
    for (HRESULT more = reader.MoveToFirstAttribute(); more == S_OK; more = reader.MoveToNextAttribute())
        attributes.push_back({qualifiedName(reader), value(reader)});
    reader.MoveToElement();
    events.startElement(name, attributes);
    if (empty)
        events.endElement(name);
    return !empty;
}

std::string fault(HRESULT result, IXmlReader& reader)
{
    UINT line = 0;
    reader.GetLineNumber(&line);
    const std::string where = " (line " + std::to_string(std::max(line, 1u)) + ")";
    const auto is = [&](XmlError error) { return result == static_cast<HRESULT>(error); };
    if (is(WC_E_DTDPROHIBITED))
        return "a document type declaration" + where;
    if (is(MX_E_ENCODING) || is(MX_E_ENCODINGSWITCH) || is(MX_E_ENCODINGSIGNATURE) || is(WC_E_ENCNAME))
        return "an encoding that cannot be read" + where;
    return "not well-formed XML" + where;
}

bool isLatin1Name(std::string_view name)
{
    constexpr std::string_view kLatin1 = "iso-8859-1";
    return std::equal(name.begin(), name.end(), kLatin1.begin(), kLatin1.end(),
                      [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
}

// The robot writes its XML in ISO-8859-1, which XmlLite reads only where the system lends
// it a converter (Wine's XmlLite knows UTF-8 and UTF-16 alone). Such a document is handed
// over in UTF-8, its declaration saying so; every other one as it stands. Lines keep their
// numbers.
std::vector<std::uint8_t> inUtf8(std::span<const std::uint8_t> document)
{
    const std::string_view text(reinterpret_cast<const char*>(document.data()), document.size());
    const std::size_t end = text.starts_with("<?xml") ? text.find("?>") : std::string_view::npos;
    const std::size_t encoding = text.substr(0, end).find("encoding");
    const std::size_t quote = text.substr(0, end).find_first_of("\"'", encoding);
    const std::size_t close = quote == std::string_view::npos ? quote : text.find(text[quote], quote + 1);
    if (end == std::string_view::npos || encoding == std::string_view::npos || close >= end ||
        !isLatin1Name(text.substr(quote + 1, close - quote - 1)))
        return {document.begin(), document.end()};
    std::string converted(text.substr(0, quote + 1));
    converted += "UTF-8";
    for (const char c : text.substr(close)) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            converted += c;
        } else {
            converted += static_cast<char>(0xC0 | (byte >> 6));
            converted += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return {converted.begin(), converted.end()};
}

CreateXmlReaderFunction readerFactory()
{
    static const CreateXmlReaderFunction factory = [] {
        HMODULE module = LoadLibraryW(L"xmllite.dll");
        FARPROC found = module == nullptr ? nullptr : GetProcAddress(module, "CreateXmlReader");
        // Through void (*)(), the function type that converts to any other without a warning.
        return reinterpret_cast<CreateXmlReaderFunction>(reinterpret_cast<void (*)()>(found));
    }();
    return factory;
}

}  // namespace

std::optional<std::string> readXml(std::span<const std::uint8_t> document, XmlEvents& events)
{
    const CreateXmlReaderFunction create = readerFactory();
    const std::vector<std::uint8_t> utf8Document = inUtf8(document);
    Released<IXmlReader> reader;
    Released<IStream> stream{SHCreateMemStream(utf8Document.data(), static_cast<UINT>(utf8Document.size()))};
    if (create == nullptr || stream.object == nullptr ||
        FAILED(create(__uuidof(IXmlReader), reinterpret_cast<void**>(&reader.object), nullptr)))
        return std::string("not well-formed XML (line 0): the system's XML reader cannot be used");
    reader.object->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit);
    reader.object->SetInput(stream.object);
    std::vector<XmlAttribute> attributes;
    XmlNodeType type = XmlNodeType_None;
    HRESULT result = S_OK;
    int open = 0;  // elements open; text outside the root element is not the document's
    bool sawRoot = false;
    while ((result = reader.object->Read(&type)) == S_OK) {
        if (type == XmlNodeType_Element) {
            sawRoot = true;
            open += tellElement(*reader.object, events, attributes) ? 1 : 0;
        } else if (type == XmlNodeType_EndElement) {
            --open;
            events.endElement(qualifiedName(*reader.object));
        } else if (open > 0 && (type == XmlNodeType_Text || type == XmlNodeType_CDATA ||
                                type == XmlNodeType_Whitespace)) {
            events.text(value(*reader.object));
        }
    }
    // A document cut short may end without a fault: it must have had its root, all closed.
    if (result == S_FALSE && sawRoot && open == 0)
        return std::nullopt;
    return fault(result, *reader.object);
}

}  // namespace morvane
