// The sample stick carries AiboMind (signature 00 01 70) speaking English (language 3),
// on system and middleware layers of its own, with a custom personality installed.
#include "tools/stickgen/SampleStickParts.h"

#include "tools/stickgen/VersionFile.h"

namespace morvane::stickgen {
namespace {

constexpr LanguagePayload kEnglish{3, 0, 0, 0};

StickImageFile versionFile(const char* stickPath, const char* comment, const VersionPayload& version)
{
    return {stickPath, encodeVersionFile({comment, version, kEnglish})};
}

}  // namespace

std::vector<StickImageFile> sampleVersionFiles()
{
    return {
        versionFile("OPEN-R\\APP\\VERSION", "ERS-7 application AiboMind",
                    {0x00, 0x01, 0x70, 0x03, 0x02, 0x00, 0x00, 0x00}),
        versionFile("OPEN-R\\SYSTEM\\VERSION", "OPEN-R system layer",
                    {0x00, 0x01, 0x10, 0x01, 0x06, 0x00, 0x00, 0x00}),
        versionFile("OPEN-R\\MW\\VERSION", "OPEN-R middleware",
                    {0x00, 0x01, 0x20, 0x01, 0x06, 0x00, 0x00, 0x00}),
        versionFile("OPEN-R\\APP\\DATA\\P\\CUSVER", "custom personality",
                    {0x00, 0x01, 0x70, 0x00, 0x01, 0x04, 0x00, 0x00}),
    };
}

}  // namespace morvane::stickgen
