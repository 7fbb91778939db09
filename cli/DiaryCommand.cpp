// morvane-cli diary STICK [--csv] [--png FILE]: the robot's diary as a table for people, or
// as CSV for spreadsheets.
#include <array>
#include <unordered_map>
#include <unordered_set>

#include "base/Utf8Path.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "cli/ExitStatus.h"
#include "cli/OutputPath.h"
#include "cli/PictureFile.h"
#include "cli/StickArgument.h"
#include "cli/TerminalProgress.h"
#include "pc/Diary.h"
#include "pc/DiaryChart.h"
#include "pc/DiaryTable.h"
#include "ui/ImageCanvas.h"

namespace morvane::cli {
namespace {

constexpr std::array<OptionSpec, 2> kOptions{{{"--csv", false}, {"--png", true}}};

// A field as RFC 4180 writes it: quoted, its quotes doubled, when it holds a comma, a quote
// or a line break.
std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

// The element paths that hold a number on some day, in the order they first appear.
std::vector<std::string> numberColumns(const Diary& diary)
{
    std::vector<std::string> columns;
    std::unordered_set<std::string_view> seen;
    for (const DiaryEntry& entry : diary.days)
        for (const DiaryField& field : entry.day().fields)
            if (isDiaryDecimal(field.text) && seen.insert(field.path).second)
                columns.push_back(field.path);
    return columns;
}

void printCsv(const Diary& diary, std::ostream& out)
{
    const std::vector<std::string> columns = numberColumns(diary);
    out << "date,time,file,state";
    for (const std::string& column : columns)
        out << ',' << csvField(column);
    out << "\r\n";
    for (const DiaryEntry& entry : diary.days) {
        out << csvField(dashedDate(entry.listed.date)) << ',' << csvField(colonTime(entry.listed.time)) << ','
            << csvField(entry.listed.file) << ',' << diaryStateName(entry.state);
        std::unordered_map<std::string_view, std::string_view> values;
        for (const DiaryField& field : entry.day().fields)
            values.emplace(field.path, field.text);  // the first of a path, as diaryValue finds it
        for (const std::string& column : columns) {
            const auto value = values.find(column);
            out << ',' << csvField(value == values.end() ? std::string_view() : value->second);
        }
        out << "\r\n";
    }
}

bool writeChart(const Diary& diary, const std::filesystem::path& file, std::string_view given,
                std::ostream& err)
{
    ImageCanvas picture({0, 0, kDiaryChartWidth, kDiaryChartHeight});
    drawDiaryChart(diary, picture);
    if (writePictureFile(picture, file))
        return true;
    err << "morvane-cli: cannot write " << given << '\n';
    return false;
}

}  // namespace

int runDiary(const CommandContext& context)
{
    const std::optional<ParsedArgs> parsed = parseCommandArgs("diary", context.args, kOptions, context.err);
    if (!parsed)
        return kExitUsage;
    const std::optional<std::filesystem::path> pngPath = pathOption(*parsed, "--png");
    StickRoot stick;
    if (!openStickArgument(parsed->positionals[0], stick, context.err))
        return kExitStickError;
    if (outputInsideStick("diary", "--png", pngPath, stick, context.err))
        return kExitUsage;
    std::optional<Diary> diary;
    if (!readShowingProgress(context.err, context.errIsTerminal, "reading the diary",
                             [&diary](ReadProgress& progress) { diary = readDiary(progress); }))
        return kExitNotProduced;
    if (!diary) {
        context.err << "No diary on this stick\n";
        if (const std::optional<std::string> note = unindexedDiaryNote())
            context.err << *note << '\n';
        return kExitNotProduced;
    }
    for (const std::string& problem : diary->problems)
        context.err << problem << '\n';
    if (diary->days.empty() && !diary->problems.empty())
        return kExitNotProduced;  // the index itself could not be read
    if (parsed->has("--csv")) {
        printCsv(*diary, context.out);
    } else {
        for (const std::string& line : diaryTableLines(*diary))
            context.out << line << '\n';
    }
    if (pngPath && !writeChart(*diary, *pngPath, parsed->options.at("--png"), context.err))
        return kExitNotProduced;
    return kExitOk;
}

}  // namespace morvane::cli
