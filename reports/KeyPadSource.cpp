// Pads files are the owner's own files, not stick files, so their paths are taken as the
// operating system spells them (no stick path rules), through std::filesystem.
#include "reports/KeyPadSource.h"

#include <filesystem>
#include <fstream>

#include "base/Utf8Path.h"
#include "stick/ProgramPlaces.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

constexpr const char* kPadFileName = "key_pads.bin";

std::string problemWith(const std::string& path, const std::string& what)
{
    return "Key pads file '" + path + "' " + what + ": key pads must be a file of exactly " +
           std::to_string(kKeyPadFileSize) + " bytes";
}

// Exactly the pad set's bytes, and nothing after them.
std::optional<KeyPadBytes> readExactly(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    KeyPadBytes pads{};
    if (!file.read(reinterpret_cast<char*>(pads.data()), static_cast<std::streamsize>(pads.size())) ||
        file.peek() != std::ifstream::traits_type::eof())
        return std::nullopt;
    return pads;
}

}  // namespace

KeyPadPlaces keyPadPlaces(std::optional<std::string> option)
{
    KeyPadPlaces places{option ? std::move(option) : environmentVariable("MORVANE_KEY_PADS"), {}};
    if (const auto executable = executablePath())
        places.usualFiles.push_back(utf8Text(utf8Path(*executable).parent_path() / kPadFileName));
    if (const auto config = userConfigDirectory())
        places.usualFiles.push_back(utf8Text(utf8Path(*config) / kPadFileName));
    return places;
}

KeyPadFileRead readKeyPadFile(const std::string& path)
{
    const fs::path file = utf8Path(path);
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (status.type() == fs::file_type::not_found)
        return {std::nullopt, problemWith(path, "does not exist"), true};
    if (fs::is_directory(status))
        return {std::nullopt, problemWith(path, "is a folder")};
    const std::uintmax_t size = fs::file_size(file, error);
    if (!error && size != kKeyPadFileSize)
        return {std::nullopt, problemWith(path, "holds " + std::to_string(size) + " bytes")};
    std::optional<KeyPadBytes> pads = error ? std::nullopt : readExactly(file);
    if (!pads)
        return {std::nullopt, problemWith(path, "cannot be read")};
    return {pads, {}};
}

std::optional<KeyPadSet> findKeyPads(const KeyPadPlaces& places, UserMessages& messages)
{
    if (places.namedFile) {
        KeyPadFileRead read = readKeyPadFile(*places.namedFile);
        if (!read.pads) {
            messages.showMessage(read.problem);
            return std::nullopt;
        }
        return KeyPadSet{*read.pads, *places.namedFile};
    }
    for (const std::string& path : places.usualFiles) {
        KeyPadFileRead read = readKeyPadFile(path);
        if (read.pads)
            return KeyPadSet{*read.pads, path};
        if (!read.missing)
            messages.showMessage(read.problem);
    }
    return builtInKeyPadSet();
}

KeyPadSet windowProgramKeyPads(UserMessages& messages)
{
    return findKeyPads(keyPadPlaces(std::nullopt), messages).value_or(builtInKeyPadSet());
}

std::string keyPadsLine(const KeyPadSet& pads)
{
    if (!pads.path.empty())
        return "Key pads: " + pads.path;
    if (kBuiltInKeyPadsArePlaceholders)
        return "Key pads: built in (placeholders: a real robot's GVAR, RVAR and DVAR read wrong; see the "
               "README)";
    return "Key pads: built in";
}

}  // namespace morvane
