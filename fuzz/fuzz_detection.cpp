// Fuzz target of software detection: each input becomes the application VERSION file of
// a stick in a temporary directory, beside an empty MEMSTICK.IND. With both files
// present, detection must either accept the stick with a kind or refuse it as unknown
// software, and it must find through the stick's files what the same bytes say when
// read from memory.
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzTarget.h"
#include "fuzz/ScratchStick.h"
#include "fuzz/VersionFileBytes.h"
#include "stick/Detection.h"
#include "stick/StickRoot.h"

namespace {

using morvane::requireFuzz;

constexpr std::string_view kUnknownVersionMessage =
    "unknown software version\nnot supported by Morvane\n(please use Dunmarra for ERS-2x0/31x)";

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const morvane::ScratchStick stick;
    const std::span<const std::uint8_t> bytes(data, size);
    requireFuzz(stick.writeApplicationVersion(bytes), "cannot write the stick's VERSION file");

    morvane::StickRoot root;
    root.rootPath = stick.rootPath();
    const std::optional<std::string> refusal = morvane::detectSoftware(root);
    const morvane::VersionFileReading expected = morvane::readVersionFileBytes(bytes);

    if (refusal)
        requireFuzz(*refusal == kUnknownVersionMessage, "refused with another message than unknown software");
    else
        requireFuzz(root.softwareKind != nullptr, "accepted without a software kind");
    requireFuzz(root.softwareKind == expected.kind, "software kind differs from the file's bytes");
    requireFuzz(root.languageCode == expected.languageCode, "language code differs from the file's bytes");
    return 0;
}
