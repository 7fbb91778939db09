// The baseline of morvane-cli diary's timing (scripts/bench-diary.sh): the XML parser alone
// over the same files, the index and every file in the diary folder, read whole and
// parsed with handlers that do nothing.
// Usage: morvane_xml_parse_only DIARY_FOLDER
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "base/XmlEvents.h"

namespace {

class Ignored : public morvane::XmlEvents {
public:
    void startElement(std::string_view, std::span<const morvane::XmlAttribute>) override { ++elements; }
    void text(std::string_view) override {}
    void endElement(std::string_view) override {}
    std::size_t elements = 0;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: morvane_xml_parse_only DIARY_FOLDER\n");
        return 2;
    }
    Ignored events;
    for (const auto& entry : std::filesystem::directory_iterator(argv[1])) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), {});
        if (morvane::readXml(bytes, events))
            return 1;
    }
    std::printf("%zu elements\n", events.elements);
    return 0;
}
