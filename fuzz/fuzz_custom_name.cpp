// Fuzz target of the custom personality name: the input becomes custom\comments.ini of
// a scratch stick. A name, when one is found, comes from a single line of at most 127
// bytes after its "NAME=", so it holds at most 122 characters and no line end.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/ScratchStick.h"
#include "reports/CustomPersonality.h"
#include "stick/StickRoot.h"

namespace {

using morvane::requireFuzz;

constexpr std::string_view kCommentsPath = "custom\\comments.ini";
constexpr std::size_t kLongestName = 122;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace morvane;
    static const ScratchStick stick;
    requireFuzz(stick.writeFile(kCommentsPath, std::span(data, size)), "cannot write comments.ini");
    StickRoot root;
    root.rootPath = stick.rootPath();

    const std::optional<std::string> name = readCustomPersonalityName(root);
    if (name) {
        requireFuzz(name->size() <= kLongestName, "the name is longer than a line allows");
        requireFuzz(name->find_first_of("\r\n") == std::string::npos, "the name holds a line end");
    }
    return 0;
}
