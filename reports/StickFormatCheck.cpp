// Each variable file is read whole (they are small) and judged by the layouts the readers
// accept: a file shorter than its record is "size", a scrambled one whose stored checksum
// byte is not the XOR of the bytes before it is "checksum", one whose magic names no
// layout is "magic".
#include "reports/StickFormatCheck.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

#include "reports/FlashVarFile.h"
#include "reports/ScrambledVarFile.h"
#include "stick/Detection.h"
#include "stick/StickFile.h"
#include "stick/StickPath.h"
#include "stick/StickPaths.h"

namespace morvane {
namespace {

// More than any record of the four files; a longer file is read this far.
constexpr std::size_t kMostBytesJudged = 1024;

// The file's first bytes; none when it is missing or a read fails (a file that cannot be
// read is named as such, not judged by the part read).
std::optional<std::vector<std::uint8_t>> fileBytes(const StickRoot& stick, const char* path)
{
    std::unique_ptr<StickFile> file = StickFile::openForReading(stick.rootPath, path);
    if (!file)
        return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::uint8_t byte = 0;
    while (bytes.size() < kMostBytesJudged && file->readExact(&byte, 1))
        bytes.push_back(byte);
    const bool failed = file->readFailed();
    StickFile::close(std::move(file));
    if (failed)
        return std::nullopt;
    return bytes;
}

// Why a scrambled file fits none of `layouts` (the one whose magic it has decides), or "".
std::string scrambledDefect(const std::vector<std::uint8_t>& bytes,
                            const std::vector<const VarFileLayout*>& layouts)
{
    for (const VarFileLayout* layout : layouts) {
        if (bytes.size() < 4 || !std::equal(layout->magic.begin(), layout->magic.end(), bytes.begin()))
            continue;
        if (bytes.size() < scrambledRecordSize(*layout))
            return "size";
        std::vector<std::int32_t> values(layout->valueCount());
        return decodeScrambledVars(*layout, bytes, values) ? "" : "checksum";
    }
    return bytes.size() < 4 ? "size" : "magic";
}

void checkVariableFiles(const StickRoot& stick, std::vector<FormatDefect>& defects)
{
    const std::pair<const char*, std::vector<const VarFileLayout*>> scrambled[]{
        {kGlobalVarPath, {&kGlobalVars64Layout, &kGlobalVars128Layout}},
        {kRVarPath, {&kRVarsLayout}},
        {kDiaryVarPath, {&kDiaryVarsLayout}}};
    for (const auto& [path, layouts] : scrambled) {
        if (const auto bytes = fileBytes(stick, path))
            if (std::string reason = scrambledDefect(*bytes, layouts); !reason.empty())
                defects.push_back({slashedStickPath(path), reason});
    }
    if (const auto bytes = fileBytes(stick, kFlashVarPath)) {
        if (bytes->size() < kFlashVarFileSize)
            defects.push_back({slashedStickPath(kFlashVarPath), "size"});
        else if (!std::equal(bytes->begin(), bytes->begin() + 4, "FVAR"))
            defects.push_back({slashedStickPath(kFlashVarPath), "magic"});
    }
}

}  // namespace

std::vector<FormatDefect> checkStickFormats(const StickRoot& stick)
{
    std::vector<FormatDefect> defects;
    if (StickFile::openForReading(stick.rootPath, kProbedMarkerName) == nullptr)
        defects.push_back({kProbedMarkerName, "missing"});
    StickRoot detected;
    detected.rootPath = stick.rootPath;
    if (std::optional<std::string> refusal = detectSoftware(detected); refusal && defects.empty())
        defects.push_back(
            {slashedStickPath(kApplicationVersionPath), refusal->substr(0, refusal->find('\n'))});
    checkVariableFiles(stick, defects);
    std::sort(defects.begin(), defects.end(),
              [](const FormatDefect& a, const FormatDefect& b) { return a.path < b.path; });
    return defects;
}

}  // namespace morvane
