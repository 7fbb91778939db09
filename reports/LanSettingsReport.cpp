// The "LAN settings" report copies every wireless LAN file found, in both places a stick
// may keep them (development sticks and AiboWare sticks), default file before current.
#include <array>

#include "base/TextFormat.h"
#include "reports/ReportNodes.h"
#include "stick/StickFile.h"
#include "stick/StickPaths.h"

namespace morvane {
namespace {

struct LanPlace {
    const char* directory;
    const char* stickName;
};

struct LanVariant {
    const char* fileVariant;
    const char* settingsName;
};

constexpr std::array<LanPlace, 2> kPlaces{{
    {kSdkLanFolder, "Open-R SDK"},
    {kAiboWareLanFolder, "AiboWare"},
}};
constexpr std::array<LanVariant, 2> kVariants{{{"DFLT", "Default"}, {"CONF", "Current"}}};

// Lines of at most 123 characters, each as the line reader leaves it, indented.
constexpr std::size_t kLineCapacity = 124;

// Copies the file's lines; false, after a line saying so, when a read failed before its
// end (a damaged compressed file fails at once), so that what was copied is not taken for
// the whole file.
bool copyLines(StickFile& file, InfoList& list)
{
    std::string line;
    while (file.readLine(line, kLineCapacity))
        list.addLine("    " + line);
    if (!file.readFailed())
        return true;
    list.addLine("    ERROR: the file cannot be read from here on");
    return false;
}

}  // namespace

bool LanSettingsNode::dump(StickStream*, InfoList& list, StickRoot& stick)
{
    int found = 0;
    bool readWhole = true;
    for (const LanPlace& place : kPlaces) {
        for (const LanVariant& variant : kVariants) {
            const std::string path = formatText("%s\\WLAN%s.TXT", place.directory, variant.fileVariant);
            std::unique_ptr<StickFile> file = StickFile::open(stick.rootPath, path, "rt");
            if (!file)
                continue;
            if (found > 0)
                list.addLine("----------------");
            list.addLine(path);
            list.addLine("");
            list.addLine(formatText("%s LAN Settings for %s stick\n", variant.settingsName, place.stickName));
            readWhole = copyLines(*file, list) && readWhole;
            list.addLine("");
            StickFile::close(std::move(file));
            ++found;
        }
    }
    if (found == 0)
        list.addLine("No LAN configuration files detected");
    return readWhole;
}

}  // namespace morvane
