// Assembling the sample stick from its parts. The stick marker is written last, so an
// interrupted run leaves a folder that is not taken for a stick.
#include "tools/stickgen/SampleStick.h"

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

std::optional<std::string> writeSampleStick(const std::filesystem::path& directory)
{
    return writeStickImage(directory, sampleStickFiles());
}

}  // namespace morvane::stickgen
