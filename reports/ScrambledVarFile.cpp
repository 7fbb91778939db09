// A scrambled variable file is the layout's four-byte magic, N data bytes and one
// checksum byte, the XOR of every stored byte before it. Value i is stored XOR word i of
// the layout's pad among the pads in use.
#include "reports/ScrambledVarFile.h"

#include <algorithm>
#include <functional>
#include <memory>
#include <numeric>
#include <vector>

#include "base/ByteReaders.h"
#include "reports/KeyPadsInUse.h"
#include "stick/StickFile.h"

namespace morvane {
namespace {

constexpr std::size_t kMagicSize = 4;

bool hasLayoutMagic(const VarFileLayout& layout, std::span<const std::uint8_t> magic)
{
    return std::equal(magic.begin(), magic.end(), layout.magic.begin(), layout.magic.end());
}

std::uint8_t xorOf(std::span<const std::uint8_t> bytes)
{
    return std::accumulate(bytes.begin(), bytes.end(), std::uint8_t{0}, std::bit_xor<std::uint8_t>());
}

// Magic, data and checksum in the order the file holds them; a wrong magic ends the
// reading before the data.
bool readRecord(StickFile& file, const VarFileLayout& layout, std::span<std::uint8_t> record)
{
    const std::span<std::uint8_t> magic = record.first(kMagicSize);
    const std::span<std::uint8_t> data = record.subspan(kMagicSize, layout.dataBytes);
    return file.readExact(magic.data(), magic.size()) && hasLayoutMagic(layout, magic) &&
           file.readExact(data.data(), data.size()) && file.readExact(&record.back(), 1);
}

}  // namespace

std::size_t scrambledRecordSize(const VarFileLayout& layout) { return kMagicSize + layout.dataBytes + 1; }

bool decodeScrambledVars(const VarFileLayout& layout, std::span<const std::uint8_t> file,
                         std::span<std::int32_t> values)
{
    const std::size_t recordSize = scrambledRecordSize(layout);
    if (file.size() < recordSize || values.size() < layout.valueCount() ||
        !hasLayoutMagic(layout, file.first(kMagicSize)))
        return false;
    if (xorOf(file.first(recordSize - 1)) != file[recordSize - 1])
        return false;
    const std::span<const std::uint8_t> data = file.subspan(kMagicSize, layout.dataBytes);
    const KeyPadSet pads = keyPadsInUse();
    const std::span<const std::uint8_t> pad = keyPadBytes(pads.bytes, layout.pad);
    for (std::size_t i = 0; i < layout.valueCount(); ++i) {
        const std::uint32_t stored = readLittleEndian32(data, 4 * i);
        values[i] = static_cast<std::int32_t>(stored ^ readLittleEndian32(pad, 4 * i));
    }
    return true;
}

// The values are decoded only after the file is closed; on any failure the caller's
// values stay as they were.
bool readScrambledVars(const StickRoot& stick, const VarFileLayout& layout, std::span<std::int32_t> values)
{
    std::unique_ptr<StickFile> file = StickFile::openForReading(stick.rootPath, layout.path);
    if (!file)
        return false;
    std::vector<std::uint8_t> record(scrambledRecordSize(layout));
    const bool complete = readRecord(*file, layout, record);
    StickFile::close(std::move(file));
    return complete && decodeScrambledVars(layout, record, values);
}

// AiboMind1's layout first; the AiboMind2/3 attempt opens the file anew.
std::optional<std::size_t> readGlobalVars(const StickRoot& stick, GlobalVars& values)
{
    for (const VarFileLayout* layout : {&kGlobalVars64Layout, &kGlobalVars128Layout}) {
        if (readScrambledVars(stick, *layout, values))
            return layout->valueCount();
    }
    return std::nullopt;
}

bool readRVars(const StickRoot& stick, RVars& values)
{
    return readScrambledVars(stick, kRVarsLayout, values);
}

bool readDiaryVars(const StickRoot& stick, DiaryVars& values)
{
    return readScrambledVars(stick, kDiaryVarsLayout, values);
}

bool fitsKeyPads(std::span<const std::int32_t> values)
{
    constexpr std::int32_t kLargestPlausible = 100000000;
    const auto plausible = std::count_if(values.begin(), values.end(), [](std::int32_t value) {
        return value >= -kLargestPlausible && value <= kLargestPlausible;
    });
    return 2 * static_cast<std::size_t>(plausible) >= values.size();
}

}  // namespace morvane
