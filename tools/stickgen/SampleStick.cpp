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

// `files` with every one but MEMSTICK.IND gzip-compressed, as the robot stores its
// settings, each member storing the file's own name in upper case.
std::vector<StickImageFile> compressedFiles(std::vector<StickImageFile> files)
{
    for (StickImageFile& file : files) {
        if (file.stickPath != "memstick.ind")
            file.bytes = gzipCompressed(file.bytes, diskPathOf(file.stickPath).filename().string());
    }
    return files;
}

}  // namespace

std::vector<StickImageFile> sampleStickFiles(const KeyPadBytes& pads)
{
    std::vector<StickImageFile> files = sampleVersionFiles();
    append(files, sampleVariableFiles(pads));
    append(files, sampleSettingsFiles());
    append(files, sampleOpaqueFiles());
    files.push_back(sampleVoiceCommandFile());
    files.push_back(sampleColorTableFile());
    files.push_back(sampleFaceDatabaseFile());
    append(files, samplePcFolderFiles());
    files.push_back({"memstick.ind", {}});
    return files;
}

std::optional<std::string> writeSampleStick(const std::filesystem::path& directory, bool compressed,
                                            const KeyPadBytes& pads)
{
    std::vector<StickImageFile> files = sampleStickFiles(pads);
    return writeStickImage(directory, compressed ? compressedFiles(std::move(files)) : std::move(files));
}

}  // namespace morvane::stickgen
