// XmlLite, the system's reader, loaded at run time: MinGW ships its header but no import
// library for it. The document is read from memory through an IStream; DTD processing is
// prohibited (XmlLite's default, set anyway). An empty element (<A/>) gets its end event
// here, as expat gives it. Wine's XmlLite, on which the tests run, misreads a document cut
// short: the guards below make it fail as expat fails, at least on the cuts a stick shows.
#include <windows.h>

#include <shlwapi.h>
#include <xmllite.h>

#include <algorithm>
#include <cctype>
#include <vector>

#include "base/XmlDeclaration.h"
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

struct XmlFault {
    const char* kind;
    std::size_t line;
    std::string text() const { return kind + std::string(" (line ") + std::to_string(line) + ")"; }
};

constexpr const char* kNotWellFormed = "not well-formed XML";

XmlFault fault(HRESULT result, IXmlReader& reader)
{
    UINT line = 0;
    reader.GetLineNumber(&line);
    const std::size_t where = std::max(line, 1u);
    const auto is = [&](XmlError error) { return result == static_cast<HRESULT>(error); };
    if (is(WC_E_DTDPROHIBITED))
        return {"a document type declaration", where};
    if (is(MX_E_ENCODING) || is(MX_E_ENCODINGSWITCH) || is(MX_E_ENCODINGSIGNATURE) || is(WC_E_ENCNAME))
        return {"an encoding that cannot be read", where};
    return {kNotWellFormed, where};
}

// The document as XmlLite is given it. The robot writes its XML in ISO-8859-1, which
// XmlLite reads only where the system lends it a converter (Wine's knows UTF-8 and UTF-16
// alone): such a document is handed over in UTF-8, its declaration saying so; every other
// one as it stands. Lines keep their numbers.
std::string forXmlLite(std::string_view text)
{
    const std::optional<XmlDeclaration> declaration = xmlDeclarationOf(text);
    if (!declaration || !isEncodingName(declaration->encoding, "iso-8859-1"))
        return std::string(text);
    const std::size_t name = static_cast<std::size_t>(declaration->encoding.data() - text.data());
    std::string converted = std::string(text.substr(0, name)) + "UTF-8";
    for (const char c : text.substr(name + declaration->encoding.size())) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            converted += c;
        } else {
            converted += static_cast<char>(0xC0 | (byte >> 6));
            converted += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return converted;
}

// How many end tags `text` holds: each "</" that is not inside a comment, a CDATA section
// or a processing instruction. Wine's XmlLite also gives each element left open at the end
// of the input an end, so an end beyond these was never written.
std::size_t writtenEndTags(std::string_view text)
{
    constexpr std::pair<std::string_view, std::string_view> kSkipped[] = {
        {"<!--", "-->"}, {"<![CDATA[", "]]>"}, {"<?", "?>"}};
    std::size_t ends = 0;
    for (std::size_t at = text.find('<'); at != std::string_view::npos; at = text.find('<', at + 1)) {
        const std::string_view rest = text.substr(at);
        const auto skipped = std::find_if(std::begin(kSkipped), std::end(kSkipped),
                                          [&](const auto& pair) { return rest.starts_with(pair.first); });
        if (skipped != std::end(kSkipped)) {
            at = text.find(skipped->second, at + skipped->first.size());
            if (at == std::string_view::npos)
                break;
        } else if (rest.starts_with("</")) {
            ++ends;
        }
    }
    return ends;
}

std::size_t lineCount(std::string_view text) { return 1 + std::count(text.begin(), text.end(), '\n'); }

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

// Reads a document that ends with '>' through XmlLite.
std::optional<XmlFault> readWithXmlLite(std::string_view text, XmlEvents& events)
{
    const CreateXmlReaderFunction create = readerFactory();
    const std::string given = forXmlLite(text);
    Released<IXmlReader> reader;
    Released<IStream> stream{
        SHCreateMemStream(reinterpret_cast<const BYTE*>(given.data()), static_cast<UINT>(given.size()))};
    if (create == nullptr || stream.object == nullptr ||
        FAILED(create(__uuidof(IXmlReader), reinterpret_cast<void**>(&reader.object), nullptr)))
        return XmlFault{"not well-formed XML: the system's XML reader cannot be used", 1};
    reader.object->SetProperty(XmlReaderProperty_DtdProcessing, DtdProcessing_Prohibit);
    reader.object->SetProperty(XmlReaderProperty_MaxElementDepth, 0);  // no limit, as in expat
    reader.object->SetInput(stream.object);
    std::vector<XmlAttribute> attributes;
    XmlNodeType type = XmlNodeType_None;
    HRESULT result = S_OK;
    const std::size_t writtenEnds = writtenEndTags(given);
    std::size_t ends = 0;
    int open = 0;  // elements open; text outside the root element is not the document's
    bool sawRoot = false;
    // A document has fewer nodes than bytes; Wine's XmlLite, at the end of an input cut after
    // a start tag, gives that element again and again.
    std::size_t nodesLeft = given.size() + 1;
    while ((result = reader.object->Read(&type)) == S_OK) {
        if (nodesLeft-- == 0)
            return XmlFault{kNotWellFormed, lineCount(text)};
        if (type == XmlNodeType_Element) {
            sawRoot = true;
            open += tellElement(*reader.object, events, attributes) ? 1 : 0;
        } else if (type == XmlNodeType_EndElement) {
            if (++ends > writtenEnds)
                return XmlFault{kNotWellFormed, lineCount(text)};
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

}  // namespace

// A well-formed document ends with its root element's end, perhaps followed by comments,
// processing instructions and blanks: its last byte that is not blank is '>'. XmlLite is
// given the document up to its last '>' alone, as Wine's XmlLite stops the program or never
// returns on a document that ends inside text or a declaration. A document that went on
// after that '>' is then refused at its last line, as expat refuses one cut short, unless
// XmlLite found a fault before the line it stopped at.
std::optional<std::string> readXml(std::span<const std::uint8_t> document, XmlEvents& events)
{
    const std::string_view text(reinterpret_cast<const char*>(document.data()), document.size());
    if (!hasReadableEncoding(text))
        return XmlFault{"an encoding that cannot be read", 1}.text();
    const std::size_t end = text.find_last_of('>') + 1;  // 0 when there is none
    const std::optional<XmlFault> found =
        end == 0 ? XmlFault{kNotWellFormed, 1} : readWithXmlLite(text.substr(0, end), events);
    const bool whole = text.find_first_not_of(" \t\r\n", end) == std::string_view::npos;
    if (whole || (found && found->line < lineCount(text.substr(0, end))))
        return found ? std::optional<std::string>(found->text()) : std::nullopt;
    return XmlFault{kNotWellFormed, lineCount(text)}.text();
}

}  // namespace morvane
