// Fuzz target of the reading of stick files that may be gzip-compressed: each input is
// a stick file, read through the one place every reader goes through. It must deliver
// either the file as it stands (plain), exactly what its members decompress to, or
// nothing at all (damaged); and a compressed file saved in its own form must read back
// as the content saved.
#include <cstdio>
#include <span>
#include <vector>

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/ScratchStick.h"
#include "stick/GzipMember.h"
#include "stick/StickFileBytes.h"

namespace {

using namespace morvane;

constexpr std::string_view kPath = "OPEN-R\\MW\\CONF\\VOLUME.CFG";

// Everything the file delivers, in reads of an odd size; none when a read fails.
std::optional<std::vector<std::uint8_t>> readAll(StickFileBytes& file)
{
    std::vector<std::uint8_t> content;
    std::uint8_t chunk[333];
    for (;;) {
        const std::optional<std::size_t> got = file.read(chunk, sizeof chunk);
        if (!got)
            return std::nullopt;
        if (*got == 0)
            return content;
        content.insert(content.end(), chunk, chunk + *got);
    }
}

void checkSavedForm(std::span<const std::uint8_t> file, std::span<const std::uint8_t> content)
{
    const std::optional<std::vector<std::uint8_t>> header = gzipHeaderOf(file);
    requireFuzz(header.has_value(), "a member that decompresses has no header");
    const std::optional<std::vector<std::uint8_t>> member = gzipMember(*header, content);
    requireFuzz(member.has_value(), "zlib could not compress the content");
    const std::optional<std::vector<std::uint8_t>> reread = gunzip(*member);
    requireFuzz(reread && std::equal(reread->begin(), reread->end(), content.begin(), content.end()),
                "a member written behind the old header does not read back");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const ScratchStick stick;
    const std::span<const std::uint8_t> input(data, size);
    requireFuzz(stick.writeFile(kPath, input), "cannot write the stick file");
    std::optional<StickFileBytes> file = StickFileBytes::open(stick.absolutePath(kPath));
    requireFuzz(file.has_value(), "an existing file does not open");
    const std::optional<std::vector<std::uint8_t>> delivered = readAll(*file);
    const std::optional<std::vector<std::uint8_t>> expected =
        startsGzipMember(input) ? gunzip(input)
                                : std::optional(std::vector<std::uint8_t>(input.begin(), input.end()));
    requireFuzz(delivered == expected, "the reader delivered other bytes than the file holds");
    if (delivered) {
        requireFuzz(file->seek(0, SEEK_END) == static_cast<std::int64_t>(delivered->size()),
                    "the end is not where the content ends");
        if (startsGzipMember(input))
            checkSavedForm(input, *delivered);
    }
    file->close();
    return 0;
}
