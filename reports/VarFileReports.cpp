// The dumps of the four variable files under "Advanced". GVAR, RVAR and DVAR are read
// anew through their readers; FVAR is read from the stream the tree opened.
#include <span>

#include "base/TextFormat.h"
#include "reports/FlashVarFile.h"
#include "reports/ReportNodes.h"
#include "reports/ScrambledVarFile.h"

namespace morvane {
namespace {

// One line for each non-zero value from index `first` on, in index order; `format`
// takes the index and the value.
void writeNonZeroValues(InfoList& list, const char* format, std::span<const std::int32_t> values,
                        std::size_t first = 0)
{
    for (std::size_t i = first; i < values.size(); ++i) {
        if (values[i] != 0)
            list.addLine(formatText(format, static_cast<int>(i), values[i]));
    }
}

// Said before the values of a file that does not fit the key pads in use, so that nobody
// takes them for the robot's.
void warnUnlessFitsKeyPads(InfoList& list, std::span<const std::int32_t> values)
{
    if (fitsKeyPads(values))
        return;
    list.addLine("Warning: the key pads in use do not fit this file; the values below are not the robot's");
    list.addLine("");
}

}  // namespace

bool GvarNode::dump(StickStream*, InfoList& list, StickRoot& stick)
{
    GlobalVars values{};
    const std::optional<std::size_t> count = readGlobalVars(stick, values);
    if (!count) {
        list.addLine("bad or missing GVAR file");
        return false;
    }
    const std::span<const std::int32_t> read = std::span(values).first(*count);
    warnUnlessFitsKeyPads(list, read);
    list.addLine(*count == kGlobalVars64Layout.valueCount() ? "AiboMind1 Globals" : "AiboMind2/3 Globals");
    list.addLine("Non-Zero Values");
    writeNonZeroValues(list, "G{%d} = %d", read);
    list.addLine("");
    return true;
}

bool FvarNode::dump(StickStream* file, InfoList& list, StickRoot&)
{
    FlashVars vars;
    if (file == nullptr || !readFlashVars(*file, vars)) {
        list.addLine("bad FVAR file");
        return false;
    }
    for (std::size_t i = 0; i < kFlashVarLabels.size(); ++i)
        list.addLine(formatText("%s = %d", kFlashVarLabels[i], vars.values[i]));
    list.addLine("");
    writeNonZeroValues(list, "F{%d} = %d -- UNEXPECTED", vars.values, kFlashVarLabels.size());
    return true;
}

bool RvarNode::dump(StickStream*, InfoList& list, StickRoot& stick)
{
    RVars values{};
    if (!readRVars(stick, values)) {
        list.addLine("no RVAR file");
        return false;
    }
    warnUnlessFitsKeyPads(list, values);
    writeNonZeroValues(list, "R{%d} = %d", values);
    return true;
}

bool DvarNode::dump(StickStream*, InfoList& list, StickRoot& stick)
{
    DiaryVars values{};
    if (!readDiaryVars(stick, values)) {
        list.addLine("no DVAR file");
        list.addLine("(only used in Mind3)");
        return false;
    }
    warnUnlessFitsKeyPads(list, values);
    writeNonZeroValues(list, "D{%d} = %d", values);
    return true;
}

}  // namespace morvane
