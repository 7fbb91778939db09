// Every stick file format, pinned by literal bytes written out here (not made by the
// project's encoders or sized by its constants), each with the exact lines or values
// the program gives for them through morvane-cli. The scrambled files use a pad set of
// the test's own.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>

#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

#include "cli/CliMain.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/TempStick.h"

namespace morvane {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct StickFile {
    const char* path;
    Bytes bytes;
};

struct FormatCase {
    const char* name;
    std::vector<StickFile> files;
    std::vector<std::string> command;  // STICK stands for the stick's folder
    std::string expected;              // standard output, exactly
};

Bytes text(std::string_view characters) { return {characters.begin(), characters.end()}; }

Bytes concatenated(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// An AiboMind stick speaking English: the marker and the application VERSION file,
// 44 bytes with a comment of 4.
const StickFile kMarker{"MEMSTICK.IND", {}};
const StickFile kAiboMindVersion{"OPEN-R/APP/VERSION",
                                 concatenated({text("VERS"),
                                               {1, 0, 0, 0},
                                               text("COME"),
                                               {4, 0, 0, 0},
                                               text("rem."),
                                               text("VERS"),
                                               {8, 0, 0, 0},
                                               {0x00, 0x01, 0x70, 0x02, 0x01, 0x00, 0x00, 0x00},
                                               text("CNCD"),
                                               {4, 0, 0, 0},
                                               {3, 0, 0, 0}})};

// FVAR, 260 bytes: "FVAR", then slot i holding i * 10 (slot 3 holds 10000, slot 20 holds -2).
Bytes flashVarFile()
{
    Bytes file = text("FVAR");
    for (std::uint8_t slot = 0; slot < 64; ++slot) {
        const std::uint8_t low = slot == 20 ? 0xFE : static_cast<std::uint8_t>(slot * 10);
        const std::uint8_t rest = slot == 20 ? 0xFF : 0x00;
        file.insert(file.end(), {low, rest, rest, rest});
    }
    file[4 + 3 * 4] = 0x10;
    file[4 + 3 * 4 + 1] = 0x27;  // 10000
    return file;
}

// FIFDATA.BIN with one face, 768 bytes: the 40-byte header (variant 6) and a record named
// "Jane" whose picture is 0x40 everywhere.
Bytes oneFaceDatabase()
{
    Bytes file = concatenated({text("FIF2"),
                               {0x00, 0x01, 0, 0},
                               {8, 0, 0, 0},
                               {6, 0, 0, 0},
                               {6, 0, 0, 0},
                               {1, 0, 0, 0},
                               {0xB8, 0x02, 0, 0},
                               {0x99, 0, 0, 0},
                               {120, 0, 0, 0},
                               {30, 0, 0, 0}});
    Bytes record(728, 0);
    const std::string name = "Jane";
    std::copy(name.begin(), name.end(), record.begin() + 16);
    std::fill(record.begin() + 137, record.begin() + 137 + 432, 0x40);
    return concatenated({file, record});
}

// tr.ct, 1280 bytes: every slice of every colour U1 = U2 = V1 = V2 = 128 (grey).
Bytes greyColorTable() { return Bytes(1280, 128); }

// ARRMAIN.BIN: the 16-byte "arrc" header, one record (the owner's name, id 256) of three
// items with phonemes 9, 2 and 43, then a marker that ends the list.
Bytes voiceCommands()
{
    return concatenated({text("arrc"),
                         Bytes(12, 0),
                         {0, 0, 0, 0},
                         {0, 0, 0, 0},
                         {0, 1, 0, 0},
                         {3, 0, 0, 0},
                         {9, 0, 0, 0, 0, 0, 0, 0},
                         {2, 0, 0, 0, 0, 0, 0, 0},
                         {43, 0, 0, 0, 0, 0, 0, 0},
                         {1, 0, 0, 0}});
}

// VOLUME.CFG as the robot writes it, gzip-compressed: a member naming VOLUME.CFG that
// holds "0x8000 0x8000\r\n0xe700 0xe400\r\n0xf600 0xf300\r\n0xfe00 0xfb00\r\nMIDI_Master_Tune:8\r\n".
const Bytes kCompressedVolume{
    0x1f, 0x8b, 0x08, 0x08, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x56, 0x4f, 0x4c, 0x55, 0x4d, 0x45, 0x2e,
    0x43, 0x46, 0x47, 0x00, 0x33, 0xa8, 0xb0, 0x30, 0x30, 0x30, 0x50, 0x30, 0x00, 0x53, 0xbc, 0x5c, 0x06,
    0x15, 0xa9, 0xe6, 0x60, 0x6e, 0xaa, 0x09, 0x84, 0x9b, 0x66, 0x06, 0xe6, 0xa6, 0x19, 0x43, 0xb9, 0xa9,
    0x10, 0x6e, 0x12, 0x88, 0xeb, 0xeb, 0xe9, 0xe2, 0x19, 0xef, 0x9b, 0x58, 0x5c, 0x92, 0x5a, 0x14, 0x1f,
    0x52, 0x9a, 0x97, 0x6a, 0x65, 0xc1, 0xcb, 0x05, 0x00, 0xf8, 0xa2, 0xd3, 0xfe, 0x50, 0x00, 0x00, 0x00};

const std::vector<FormatCase> kCases{
    {"an application VERSION file",
     {kMarker, kAiboMindVersion},
     {"detect", "STICK"},
     "Version: ERS-7 AiboMind V1/V2/V3\nLanguage code: 3\n"},
    {"the VERSION files of the versions report",
     {kMarker,
      kAiboMindVersion,
      {"OPEN-R/MW/VERSION", concatenated({text("VERS"),
                                          {1, 0, 0, 0},
                                          text("COME"),
                                          {0, 0, 0, 0},
                                          text("VERS"),
                                          {8, 0, 0, 0},
                                          {200, 1, 2, 3, 4, 5, 6, 7},
                                          text("CNCD"),
                                          {5, 0, 0, 0},
                                          {1, 2, 3, 4}})}},
     {"report", "versions", "STICK"},
     "App Version:\n   vers: 0 1 112 2 1 0 0 0\n   cncd: 3 0 0 0\n"
     "MW Version:\n   ERROR: file unknown format (CNCD)\n"
     "System Version:\n   ERROR: file missing\nCustom Version:\n   ERROR: file missing\n\n"},
    {"a 260-byte FVAR",
     {kMarker, kAiboMindVersion, {"OPEN-R/APP/DATA/P/FVAR", flashVarFile()}},
     {"report", "flash-variables", "STICK"},
     "Dump of file OPEN-R\\APP\\DATA\\P\\FVAR\n\n 0: Flag0 = 0\n 1: Flag1 = 10\n 2: Flag2 = 20\n"
     " 3: Baby Skill Level = 10000\n 4: Skill4 Level = 40\n 5: Walk Skill Level = 50\n"
     " 6: Future Skill 6 = 60\n 7: Ball Skill Level = 70\n 8: Bone Skill Level = 80\n"
     " 9: Future Skill 9 = 90\n10: time counter (1/2 min) = 100\n11: TBD = 110\n12: TBD = 120\n"
     "13: TBD = 130\n14: TBD = 140\n15: TBD = 150\n16: TBD = 160\n17: TBD = 170\n\n"
     "F{18} = 180 -- UNEXPECTED\nF{19} = 190 -- UNEXPECTED\nF{20} = -2 -- UNEXPECTED\n"
     "F{21} = 210 -- UNEXPECTED\nF{22} = 220 -- UNEXPECTED\nF{23} = 230 -- UNEXPECTED\n"
     "F{24} = 240 -- UNEXPECTED\nF{25} = 250 -- UNEXPECTED\nF{26} = 4 -- UNEXPECTED\n"
     "F{27} = 14 -- UNEXPECTED\nF{28} = 24 -- UNEXPECTED\nF{29} = 34 -- UNEXPECTED\n"
     "F{30} = 44 -- UNEXPECTED\nF{31} = 54 -- UNEXPECTED\nF{32} = 64 -- UNEXPECTED\n"
     "F{33} = 74 -- UNEXPECTED\nF{34} = 84 -- UNEXPECTED\nF{35} = 94 -- UNEXPECTED\n"
     "F{36} = 104 -- UNEXPECTED\nF{37} = 114 -- UNEXPECTED\nF{38} = 124 -- UNEXPECTED\n"
     "F{39} = 134 -- UNEXPECTED\nF{40} = 144 -- UNEXPECTED\nF{41} = 154 -- UNEXPECTED\n"
     "F{42} = 164 -- UNEXPECTED\nF{43} = 174 -- UNEXPECTED\nF{44} = 184 -- UNEXPECTED\n"
     "F{45} = 194 -- UNEXPECTED\nF{46} = 204 -- UNEXPECTED\nF{47} = 214 -- UNEXPECTED\n"
     "F{48} = 224 -- UNEXPECTED\nF{49} = 234 -- UNEXPECTED\nF{50} = 244 -- UNEXPECTED\n"
     "F{51} = 254 -- UNEXPECTED\nF{52} = 8 -- UNEXPECTED\nF{53} = 18 -- UNEXPECTED\n"
     "F{54} = 28 -- UNEXPECTED\nF{55} = 38 -- UNEXPECTED\nF{56} = 48 -- UNEXPECTED\n"
     "F{57} = 58 -- UNEXPECTED\nF{58} = 68 -- UNEXPECTED\nF{59} = 78 -- UNEXPECTED\n"
     "F{60} = 88 -- UNEXPECTED\nF{61} = 98 -- UNEXPECTED\nF{62} = 108 -- UNEXPECTED\n"
     "F{63} = 118 -- UNEXPECTED\n"},
    {"a one-face FIFDATA.BIN",
     {kMarker, kAiboMindVersion, {"OPEN-R/APP/DATA/P/FIFDATA.BIN", oneFaceDatabase()}},
     {"faces", "STICK"},
     "0 Jane\n"},
    {"an ARRMAIN.BIN of one command",
     {kMarker, kAiboMindVersion, {"OPEN-R/APP/DATA/P/ARRMAIN.BIN", voiceCommands()}},
     {"report", "name-owner", "STICK"},
     "Custom Voice Commands:\n\nLanguage: english\nPhonemes http://morvane.example.org/210/english.htm\n\n"
     "Owner Name :\n    b aa ?43?\n"},
    {"a CUS.CFG, an AIBO-ID and a comments.ini in the Summary",
     {kMarker,
      kAiboMindVersion,
      {"OPEN-R/APP/DATA/P/CUS.CFG",
       text("Group\tx\tName\tx\tValue\tx\r\nMotion\t1\tTailWag\t2\t3\t4\r\nshort\r\n")},
      {"OPEN-R/SYSTEM/DATA/P/AIBO-ID", {0x1B, 0x08, 0x30, 0x00, 0xFF}},
      {"CUSTOM/COMMENTS.INI", text("[custom]\r\nname=Rex the Dog\r\n")}},
     {"report", "summary", "STICK"},
     "Summary:\n\nBrowsing OpenR from STICK\nVersion: ERS-7 AiboMind V1/V2/V3\nLanguage: English\n\n"
     "Custom personality: Rex the Dog\n\nAibo Custom Data:\n  TailWag=3 (Motion)\n\n"
     "No FVAR file\n (settings will be taken from AIBO Flash ROM)\n\nNo GVAR file\n\nAIBO has not been "
     "named\n\n"
     "Hardware AIBOID: 0030081B\nLast run in ERS-7 Larkspin - Quillfen#13\n\n"},
    {"a language code past the language table",
     {kMarker,
      {"OPEN-R/APP/VERSION", concatenated({text("VERS"),
                                           {1, 0, 0, 0},
                                           text("COME"),
                                           {0, 0, 0, 0},
                                           text("VERS"),
                                           {8, 0, 0, 0},
                                           {0x00, 0x01, 0x70, 0, 0, 0, 0, 0},
                                           text("CNCD"),
                                           {4, 0, 0, 0},
                                           {6, 0, 0, 0}})}},
     {"report", "summary", "STICK"},
     "Summary:\n\nBrowsing OpenR from STICK\nVersion: ERS-7 AiboMind V1/V2/V3\nLanguage:  ???\n\n"
     "No FVAR file\n (settings will be taken from AIBO Flash ROM)\n\nNo GVAR file\n\nAIBO has not been "
     "named\n\n"},
    {"a grey tr.ct",
     {kMarker, kAiboMindVersion, {"OPEN-R/APP/DATA/P/tr.ct", greyColorTable()}},
     {"colors", "STICK"},
     ""},
    {"VOLUME.CFG, plain",
     {kMarker,
      kAiboMindVersion,
      {"OPEN-R/MW/CONF/VOLUME.CFG",
       text("0x8000 0x8000\r\n0xC500 0xC200\r\n0xf600 0xf300\r\n0xFF00 0xFC00\r\n")}},
     {"volume", "STICK"},
     "volume0=0\nvolume1=5\nvolume2=54\nvolume3=63\n"},
    {"VOLUME.CFG, gzip-compressed",
     {kMarker, kAiboMindVersion, {"OPEN-R/MW/CONF/VOLUME.CFG", kCompressedVolume}},
     {"volume", "STICK"},
     "volume0=0\nvolume1=39\nvolume2=54\nvolume3=62\n"},
};

// The grey table: colour k, row j, then 32 cells from 070707 to FFFFFF in steps of 8.
std::string greyColorLines()
{
    std::string cells;
    for (int slice = 0; slice < 32; ++slice) {
        char cell[8];
        std::snprintf(cell, sizeof cell, " %02X%02X%02X", 8 * slice + 7, 8 * slice + 7, 8 * slice + 7);
        cells += cell;
    }
    std::string lines;
    for (int color = 0; color < 8; ++color)
        for (int row = 0; row < 3; ++row)
            lines += std::to_string(color) + " " + std::to_string(row) + cells + "\n";
    return lines;
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

TEST(StickFormatsTest, LiteralFilesGiveExactlyTheirReports)
{
    for (const FormatCase& format : kCases) {
        test::TempStick stick;
        for (const StickFile& file : format.files)
            stick.write(file.path, file.bytes);
        std::vector<std::string> args = format.command;
        for (std::string& arg : args)
            arg = arg == "STICK" ? stick.rootPath() : arg;
        test::CurrentDirectoryGuard guard;
        std::ostringstream out, err;
        EXPECT_EQ(cli::runCli(args, out, err), 0) << format.name << ": " << err.str();
        const std::string expected = format.expected.empty() ? greyColorLines() : format.expected;
        EXPECT_EQ(replaced(out.str(), stick.rootPath(), "STICK"), expected) << format.name;
    }
}

// A scrambled variable file: the magic, `dataBytes` of values each XORed with the pad set
// whose every byte is 0x5A, and the checksum (the XOR of every byte before it).
Bytes scrambledFile(Bytes magic, std::size_t dataBytes, std::map<std::size_t, std::int32_t> values)
{
    Bytes file = std::move(magic);
    for (std::size_t index = 0; index < dataBytes / 4; ++index) {
        const auto value = static_cast<std::uint32_t>(values.count(index) ? values.at(index) : 0);
        for (int byte = 0; byte < 4; ++byte)
            file.push_back(static_cast<std::uint8_t>((value >> (8 * byte)) ^ 0x5A));
    }
    std::uint8_t checksum = 0;
    for (const std::uint8_t byte : file)
        checksum ^= byte;
    file.push_back(checksum);
    return file;
}

TEST(StickFormatsTest, ScrambledFilesOfTheirExactSizesGiveTheirValues)
{
    test::TempStick stick;
    stick.write("MEMSTICK.IND", "");
    stick.write("OPEN-R/APP/VERSION", kAiboMindVersion.bytes);
    const std::filesystem::path pads = stick.dir() / "pads.bin";
    std::ofstream(pads, std::ios::binary) << std::string(1452, '\x5A');
    const auto report = [&](const char* entry) {
        test::CurrentDirectoryGuard guard;
        std::ostringstream out, err;
        cli::runCli(std::vector<std::string>{"report", entry, stick.rootPath(), "--key-pads", pads.string()},
                    out, err);
        return out.str();
    };
    const Bytes rvar = scrambledFile({0x53, 0xB9, 0xC9, 0x0D}, 128, {{0, 1}, {5, -2}, {31, 100000}});
    ASSERT_EQ(rvar.size(), 133u);
    stick.write("OPEN-R/APP/DATA/P/RVAR", rvar);
    EXPECT_EQ(report("r-variables"),
              "Dump of file OPEN-R\\APP\\DATA\\P\\RVAR\n\nR{0} = 1\nR{5} = -2\nR{31} = 100000\n");
    stick.write("OPEN-R/APP/DATA/P/RVAR", Bytes(rvar.begin(), rvar.end() - 1));
    EXPECT_EQ(report("r-variables"),
              "Dump of file OPEN-R\\APP\\DATA\\P\\RVAR\n\nno RVAR file\n\nError dumping file\n")
        << "132 bytes: no checksum";

    const Bytes gvar64 = scrambledFile({0x45, 0x8E, 0x4D, 0x0D}, 256, {{10, 7}, {11, 5}, {46, 4}});
    ASSERT_EQ(gvar64.size(), 261u);
    stick.write("OPEN-R/APP/DATA/P/GVAR", gvar64);
    EXPECT_EQ(report("global-variables"), "Dump of file OPEN-R\\APP\\DATA\\P\\GVAR\n\nAiboMind1 Globals\n"
                                          "Non-Zero Values\nG{10} = 7\nG{11} = 5\nG{46} = 4\n\n");
    const Bytes gvar128 = scrambledFile({0x43, 0xFF, 0x55, 0x0D}, 512, {{63, 9}, {127, -1}});
    ASSERT_EQ(gvar128.size(), 517u);
    stick.write("OPEN-R/APP/DATA/P/GVAR", gvar128);
    EXPECT_EQ(report("global-variables"), "Dump of file OPEN-R\\APP\\DATA\\P\\GVAR\n\nAiboMind2/3 Globals\n"
                                          "Non-Zero Values\nG{63} = 9\nG{127} = -1\n\n");

    const Bytes dvar = scrambledFile({0x40, 0xAF, 0x00, 0x2D}, 556, {{0, -7}, {138, 42}});
    ASSERT_EQ(dvar.size(), 561u);
    stick.write("OPEN-R/APP/DATA/P/DVAR", dvar);
    EXPECT_EQ(report("diary-variables"),
              "Dump of file OPEN-R\\APP\\DATA\\P\\DVAR\n\nD{0} = -7\nD{138} = 42\n");
}

// The colours of a PNG file at the given pixels.
std::vector<std::array<int, 3>> pngPixels(const std::filesystem::path& file,
                                          std::vector<std::pair<int, int>> at)
{
    int width = 0, height = 0, channels = 0;
    stbi_uc* image = stbi_load(file.string().c_str(), &width, &height, &channels, 3);
    std::vector<std::array<int, 3>> colours;
    for (const auto& [x, y] : at) {
        const stbi_uc* pixel = image + 3 * (y * width + x);
        colours.push_back(image == nullptr || x >= width || y >= height
                              ? std::array{-1, -1, -1}
                              : std::array<int, 3>{pixel[0], pixel[1], pixel[2]});
    }
    stbi_image_free(image);
    return colours;
}

TEST(StickFormatsTest, TheColoursPictureShowsEveryCellWhereTheDialogPaintsIt)
{
    // Grey everywhere, but colour 2, slice 16: U1 100, U2 128, V1 200, V2 128.
    Bytes table = greyColorTable();
    const Bytes slice{100, 128, 200, 128};
    std::copy(slice.begin(), slice.end(), table.begin() + 144 * 3 + 16 * 4);
    test::TempStick stick;
    stick.write("MEMSTICK.IND", "");
    stick.write("OPEN-R/APP/VERSION", kAiboMindVersion.bytes);
    stick.write("OPEN-R/APP/DATA/P/TR.CT", table);
    const std::filesystem::path picture =
        stick.dir().parent_path() / (stick.dir().filename().string() + ".png");
    {
        test::CurrentDirectoryGuard guard;
        std::ostringstream out, err;
        ASSERT_EQ(cli::runCli(std::vector<std::string>{"colors", stick.rootPath(), "--png", picture.string()},
                              out, err),
                  0);
    }
    // 371 x 475 pixels; area 0 is x 69 to 355 and y 11 to 61 with a 2-pixel edge, so
    // inside x 71 to 353, y 13 to 59; area 2 inside y 121 to 166.
    EXPECT_EQ(pngPixels(picture, {{0, 0},
                                  {69, 11},
                                  {71, 13},
                                  {353, 59},
                                  {354, 30},
                                  {355, 30},
                                  {356, 30},
                                  {200, 60},
                                  {200, 61},
                                  {200, 62},
                                  {215, 125},
                                  {215, 140},
                                  {215, 160},
                                  {370, 474}}),
              (std::vector<std::array<int, 3>>{{240, 240, 240},
                                               {160, 160, 160},
                                               {7, 7, 7},
                                               {255, 255, 255},
                                               {160, 160, 160},
                                               {160, 160, 160},
                                               {240, 240, 240},
                                               {160, 160, 160},
                                               {160, 160, 160},
                                               {240, 240, 240},
                                               {236, 93, 85},
                                               {185, 114, 110},
                                               {135, 135, 135},
                                               {240, 240, 240}}));
    std::filesystem::remove(picture);
}

}  // namespace
}  // namespace morvane
