// The XML reader, the same cases on every system (expat natively, XmlLite under Wine):
// the robot's Latin-1 files arrive as UTF-8, entities and empty elements read as the
// standard says, and every fault is one clause with its line.
#include <gtest/gtest.h>

#include "base/XmlEvents.h"

namespace morvane {
namespace {

// The events as one line of text: "<NAME a=v>", the text, "</NAME>". Pieces of text are
// joined, as each parser splits them its own way.
class Trace : public XmlEvents {
public:
    void startElement(std::string_view name, std::span<const XmlAttribute> attributes) override
    {
        line += '<';
        line += name;
        for (const XmlAttribute& attribute : attributes) {
            line += ' ';
            line += attribute.name;
            line += '=';
            line += attribute.value;
        }
        line += '>';
    }
    void text(std::string_view piece) override { line += piece; }
    void endElement(std::string_view name) override
    {
        line += "</";
        line += name;
        line += '>';
    }
    std::string line;
};

struct Read {
    std::optional<std::string> fault;
    std::string trace;
};

Read read(std::string_view document)
{
    Trace trace;
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(document.data());
    std::optional<std::string> fault = readXml(std::span(bytes, document.size()), trace);
    return {std::move(fault), trace.line};
}

TEST(XmlEvents, LatinOneTextAndNamesArriveAsUtf8)
{
    const Read latin = read("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n"
                            "<PHOTOLIST><PHOTO ID=\"caf\xe9\">\xe9t\xe9</PHOTO><EMPTY/></PHOTOLIST>\r\n");
    EXPECT_EQ(latin.fault, std::nullopt);
    EXPECT_EQ(latin.trace,
              "<PHOTOLIST><PHOTO ID=caf\xc3\xa9>\xc3\xa9t\xc3\xa9</PHOTO><EMPTY></EMPTY></PHOTOLIST>");

    const Read utf8 = read("<A>fish &amp; chips &lt;3 &#233;<![CDATA[<raw>]]></A>");
    EXPECT_EQ(utf8.fault, std::nullopt);
    EXPECT_EQ(utf8.trace, "<A>fish & chips <3 \xc3\xa9<raw></A>");
}

TEST(XmlEvents, ADocumentThatIsNotWellFormedSaysWhere)
{
    EXPECT_EQ(read("<A>\n<B>\n</A>").fault, "not well-formed XML (line 3)");
    EXPECT_EQ(read("").fault, "not well-formed XML (line 1)");
    EXPECT_EQ(read("<?x").fault, "not well-formed XML (line 1)");
    EXPECT_EQ(read("<A><B>").fault, "not well-formed XML (line 1)");
    EXPECT_EQ(read("<A>\r\n<B>x</B>").fault, "not well-formed XML (line 2)");
    EXPECT_EQ(read("<A>\r\n<B>12").fault, "not well-formed XML (line 2)");
    // Cut short: what came before the cut was told.
    const Read cut = read("<DIARYSRC><SKILL><BALL>12</BALL><BO");
    EXPECT_EQ(cut.fault, "not well-formed XML (line 1)");
    EXPECT_EQ(cut.trace, "<DIARYSRC><SKILL><BALL>12</BALL>");
}

// Deeper than the 256 levels a reader may stop at by default.
TEST(XmlEvents, DeepNestingIsRead)
{
    std::string deep;
    for (int level = 0; level < 300; ++level)
        deep += "<E>";
    for (int level = 0; level < 300; ++level)
        deep += "</E>";
    EXPECT_EQ(read(deep).fault, std::nullopt);
}

TEST(XmlEvents, AnUnknownEncodingOrADocumentTypeIsRefused)
{
    // Only what every system's reader takes alike: UTF-8 and ISO-8859-1.
    for (const std::string_view refused :
         {std::string_view("<?xml version=\"1.0\" encoding=\"x-robot\"?><A/>"),
          std::string_view("<?xml version='1.0' encoding='US-ASCII'?><A/>"),
          std::string_view("<?xml version=\"1.0\" encoding=\"windows-1252\"?><A/>"),
          std::string_view("\xFF\xFE<\0A\0/\0>\0", 10), std::string_view("<\0A\0/\0>\0", 8),
          // a UTF-8 byte order mark, then a declaration of another encoding
          std::string_view("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"iso-8859-1\"?><A>caf\xe9</A>")})
        EXPECT_EQ(read(refused).fault, "an encoding that cannot be read (line 1)") << refused;
    EXPECT_EQ(read("\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?><A>\xc3\xa9</A>").trace,
              "<A>\xc3\xa9</A>");
    // Entities of the document's own, such as the "billion laughs", never expand.
    const Read laughs = read("<?xml version=\"1.0\"?>\n<!DOCTYPE A [<!ENTITY a \"aaaaaaaaaa\">"
                             "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">]>\n<A>&b;</A>");
    EXPECT_EQ(laughs.fault, "a document type declaration (line 2)");
    EXPECT_EQ(laughs.trace, "");
}

}  // namespace
}  // namespace morvane
