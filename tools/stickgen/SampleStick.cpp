// Assembling the sample stick from its parts. The stick marker is written last, so an
// interrupted run leaves a folder that is not taken for a stick.
#include "tools/stickgen/SampleStick.h"

#include "tools/stickgen/GzipFile.h"
#include "tools/stickgen/SampleStickParts.h"

namespace morvane::stickgen {
namespace {

void append(std::vector<StickImageFile>& files, std::vector<StickImageFile> more)
{
    for (StickImageFile& file : more)
        files.push_back(std::move(file));
}

}  // namespace

std::vector<StickImageFile> sampleStickFiles()
{
    std::vector<StickImageFile> files = sampleVersionFiles();
    append(files, sampleVariableFiles());
    append(files, sampleSettingsFiles());
    append(files, sampleOpaqueFiles());
    files.push_back(sampleVoiceCommandFile());
    files.push_back(sampleColorTableFile());
    files.push_back(sampleFaceDatabaseFile());
    files.push_back({"memstick.ind", {}});
    return files;
}

std::vector<StickImageFile> compressedSampleStickFiles()
{
    std::vector<StickImageFile> files = sampleStickFiles();
    for (StickImageFile& file : files) {
        if (file.stickPath != "memstick.ind")
            file.bytes = gzipCompressed(file.bytes, diskPathOf(file.stickPath).filename().string());
    }
    return files;
}

std::optional<std::string> writeSampleStick(const std::filesystem::path& directory, bool compressed)
{
    return writeStickImage(directory, compressed ? compressedSampleStickFiles() : sampleStickFiles());
}

}  // namespace morvane::stickgen
