// The Summary: one screen about the robot, assembled from about ten files of the stick.
// It runs detection again first, so a stick that has gone away or changed is reported
// rather than summarised. Every file but the stick's own marker is optional.
#include <array>

#include "base/ByteReaders.h"
#include "base/TextFormat.h"
#include "reports/CustomDataTable.h"
#include "reports/CustomPersonality.h"
#include "reports/FlashVarFile.h"
#include "reports/GlobalVarSlots.h"
#include "reports/HardwareId.h"
#include "reports/ReportNodes.h"
#include "reports/ScrambledVarFile.h"
#include "reports/SummaryText.h"
#include "stick/Detection.h"
#include "stick/OsFile.h"
#include "stick/SoftwareKind.h"
#include "stick/StickPaths.h"
#include "stick/VersionChunk.h"

namespace morvane {
namespace {

struct LanguageRow {
    const char* text;
    std::int64_t voiceDataSize;  // the size HMMDATA.BIN must have, or 0 when not checked
};

LanguageRow languageRow(std::int32_t code)
{
    static constexpr std::array<LanguageRow, 6> kLanguages{{
        {"none", 0},
        {"probably English", 0},
        {"Japanese", 279400},
        {"English", 239456},
        {"German", 0},
        {"French", 0},
    }};
    if (code < 0 || code >= static_cast<std::int32_t>(kLanguages.size()))
        return {" ???", 0};
    return kLanguages[static_cast<std::size_t>(code)];
}

std::optional<std::int64_t> fileSize(const char* path)
{
    std::unique_ptr<StickStream> file = StickStream::open(path, "rb");
    if (!file || !file->seek(0, SEEK_END))
        return std::nullopt;
    return file->tell();
}

bool fileOpens(const char* path) { return StickStream::open(path, "rb") != nullptr; }

void writeSoftware(const StickRoot& stick, InfoList& list)
{
    list.addLine("Browsing OpenR from " + systemCodePageText(stick.rootPath));
    list.addLine(std::string("Version: ") + stick.softwareKind->description);
    const LanguageRow language = languageRow(stick.languageCode);
    list.addLine(std::string("Language: ") + language.text);
    if (language.voiceDataSize != 0) {
        const std::optional<std::int64_t> size = fileSize(kVoiceDataPath);
        if (size && *size != language.voiceDataSize)
            list.addLine(" WARNING: Voice recognition does not match language");
    }
    list.addLine("");
}

void writeCustomisation(const StickRoot& stick, InfoList& list)
{
    if (std::optional<std::string> name = readCustomPersonalityName(stick)) {
        list.addLine("Custom personality: " + *name);
        list.addLine("");
    }
    if (std::unique_ptr<StickStream> table = StickStream::open(kCustomDataTablePath, "rt")) {
        writeCustomDataTable(*table, list);
        list.addLine("");
    }
}

void writeFlashVars(InfoList& list)
{
    FlashVars vars;
    if (!readFlashVars(StickStream::open(kFlashVarPath, "rb"), vars)) {
        list.addLine("No FVAR file");
        list.addLine(" (settings will be taken from AIBO Flash ROM)");
        return;
    }
    list.addLine(formatPercent("Maturity Level = %s", vars[FlashVarSlot::maturity]));
    if (vars[FlashVarSlot::maturity] < 10000)
        list.addLine("  AIBO ignores most commands");
    list.addLine(formatPercent("Walking Skill Level = %s", vars[FlashVarSlot::walkSkill]));
    list.addLine(formatPercent("Pink Ball Skill Level = %s", vars[FlashVarSlot::ballSkill]));
    list.addLine(formatPercent("AIBOne Skill Level = %s", vars[FlashVarSlot::boneSkill]));
    list.addLine("");
    list.addLine(
        formatText("Active time = %ld minutes", static_cast<long>(vars[FlashVarSlot::activeTime] / 2)));
    list.addLine(std::string("Personality = ") + std::string(personalityText(vars)));
}

void writeGlobalVars(const StickRoot& stick, InfoList& list)
{
    GlobalVars vars{};
    const std::optional<std::size_t> count = readGlobalVars(stick, vars);
    if (!count) {
        list.addLine("No GVAR file");
        return;
    }
    list.addLine(*count == 64 ? "AiboMind1" : "AiboMind2/3");
    if (!fitsKeyPads(std::span(vars).first(*count))) {
        list.addLine("Alarm, wake-up, bed and last-run times: unreadable with the key pads in use");
        return;
    }
    if (vars[gvar::alarmSet] > 0)
        list.addLine("Alarm Set");
    if (vars[gvar::wakeHour] > 0)
        list.addLine("Wakeup: " + formatClockTime(vars[gvar::wakeHour], vars[gvar::wakeMinute]));
    if (vars[gvar::bedHour] > 0)
        list.addLine("BedTime: " + formatClockTime(vars[gvar::bedHour], vars[gvar::bedMinute]));
    // The stored year counts from 2000; the sum is taken in 64 bits so that any stored
    // value prints as itself plus 2000.
    list.addLine(formatText("Last run: %04lld.%02d.%02d (yyyy.mm.dd)",
                            static_cast<long long>(vars[gvar::lastRunYear]) + 2000, vars[gvar::lastRunMonth],
                            vars[gvar::lastRunDay]));
}

void writeLearning(InfoList& list)
{
    if (fileOpens(kVoiceCommandPath)) {
        list.addLine("AIBO has been named");
        list.addLine(" (click on Name / Owner)");
    } else {
        list.addLine("AIBO has not been named");
    }
    if (fileOpens(kSceneMemoryPath))
        list.addLine("AIBO has memorized one or more scenes!");
}

const char* knownRobotLine(std::uint32_t hardwareId)
{
    switch (hardwareId) {
    case 0x0030081B:
        return "Last run in ERS-7 Larkspin - Quillfen#13";
    case 0x00302947:
        return "Last run in ERS-7 Thistlecoat - Quillfen#14";
    case 0x003041CD:
        return "Last run in ERS-7 Embergrin - Quillfen#15";
    default:
        return nullptr;
    }
}

void writeHardwareId(const StickRoot& stick, InfoList& list)
{
    const std::optional<std::uint32_t> hardwareId = readHardwareId(stick);
    if (!hardwareId)
        return;
    list.addLine(formatText("Hardware AIBOID: %08X", static_cast<unsigned>(*hardwareId)));
    if (const char* robot = knownRobotLine(*hardwareId))
        list.addLine(robot);
    list.addLine("");
}

}  // namespace

bool SummaryNode::dump(StickStream*, InfoList& list, StickRoot& stick)
{
    list.clear();
    list.addLine("Summary:");
    list.addLine("");
    if (std::optional<std::string> refusal = detectSoftware(stick)) {
        list.addLine("Error getting memory stick status");
        list.addLine(*refusal);
        return false;
    }
    writeSoftware(stick, list);
    writeCustomisation(stick, list);
    writeFlashVars(list);
    list.addLine("");
    writeGlobalVars(stick, list);
    list.addLine("");
    writeLearning(list);
    list.addLine("");
    writeHardwareId(stick, list);
    return true;
}

}  // namespace morvane
