// Reading comments.ini with the stick's line reader, 127 bytes a line at most.
#include "reports/CustomPersonality.h"

#include "stick/StickFile.h"
#include "stick/StickPaths.h"

namespace morvane {
namespace {

constexpr std::size_t kLineCapacity = 128;

bool startsWith(std::string_view text, std::string_view prefix)
{
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::optional<std::string> readCustomPersonalityName(const StickRoot& stick)
{
    std::unique_ptr<StickFile> file = StickFile::open(stick.rootPath, kCustomCommentsPath, "rt");
    if (!file)
        return std::nullopt;
    bool inSection = false;
    std::string line;
    std::optional<std::string> name;
    while (!name && file->readLine(line, kLineCapacity)) {
        line = line.substr(0, line.find('\n'));
        if (startsWith(line, "["))
            inSection = line == "[CUSTOM]" || line == "[custom]";
        else if (inSection && (startsWith(line, "NAME=") || startsWith(line, "name=")))
            name = line.substr(5);
    }
    StickFile::close(std::move(file));
    return name;
}

}  // namespace morvane
