// morvane-cli as a function: exit statuses, the exact texts on standard output and
// standard error, and the command-line rules shared by every command.
#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

#include "base/Utf8Path.h"
#include "cli/CliMain.h"
#include "cli/TerminalProgress.h"
#include "reports/KeyPads.h"
#include "tests/support/CliRun.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/ScopedEnvironmentVariable.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/SampleStick.h"
#include "tools/stickgen/VersionFile.h"

namespace morvane {
namespace {

using test::CliRun;
using test::runCli;

std::vector<std::uint8_t> rCodeVersion(std::optional<LanguagePayload> language)
{
    return stickgen::encodeVersionFile({"R-CODE", {0x00, 0x01, 0x74, 0xFF, 0, 0, 0, 0}, language});
}

TEST(CliDetect, PrintsTheSoftwareAndTheLanguageCode)
{
    test::TempStick stick;
    stick.writeMarker();
    stick.write("OPEN-R/APP/VERSION", rCodeVersion(LanguagePayload{5, 0, 0, 0}));
    CliRun run = runCli({"detect", stick.rootPath()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Version: ERS-7 R-CODE\nLanguage code: 5\n");
    EXPECT_EQ(run.err, "");

    stick.write("OPEN-R/APP/VERSION", rCodeVersion(std::nullopt));
    EXPECT_EQ(runCli({"detect", stick.rootPath()}).out, "Version: ERS-7 R-CODE\nLanguage code: -1\n");
}

TEST(CliDetect, RefusedSticksExitWithTwoAndTheRefusal)
{
    test::TempStick stick;
    CliRun noMarker = runCli({"detect", stick.rootPath()});
    EXPECT_EQ(noMarker.status, 2);
    EXPECT_EQ(noMarker.out, "");
    EXPECT_EQ(noMarker.err, "Stick Open Error: can't open memstick.ind\n");

    stick.writeMarker();
    EXPECT_EQ(runCli({"detect", stick.rootPath()}).err, "Stick Open Error: missing VERSION file\n");

    stick.write("OPEN-R/APP/VERSION", "not a version file");
    CliRun unknown = runCli({"detect", stick.rootPath()});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.err, "Stick Open Error: unknown software version\nnot supported by Morvane\n"
                           "(please use Dunmarra for ERS-2x0/31x)\n");
}

TEST(CliDetect, ADirectoryThatCannotBeEnteredIsACommandLineError)
{
    test::TempStick stick;
    const std::string missing = stick.rootPath() + "/no such folder";
    stick.write("A FILE", "");
    for (const std::string& path : {missing, stick.rootPath() + "/A FILE"}) {
        CliRun run = runCli({"detect", path});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "ERROR: directory '" + path + "' specified on command line is invalid\n");
    }
}

#ifndef _WIN32
// Outside Windows a backslash is a letter of a folder's name: the stick in my\stick is
// read there, never from a folder stick inside a folder my.
TEST(CliDetect, AStickFolderWhoseNameHoldsABackslashIsReadThere)
{
    test::TempStick folder;
    folder.write("my/stick/MEMSTICK.IND", "");
    folder.write("my/stick/OPEN-R/APP/VERSION", rCodeVersion(LanguagePayload{7, 0, 0, 0}));
    const std::filesystem::path stick = folder.dir() / "my\\stick";
    std::filesystem::create_directories(stick / "OPEN-R" / "APP");
    std::filesystem::copy_file(folder.dir() / "my" / "stick" / "MEMSTICK.IND", stick / "MEMSTICK.IND");
    {
        std::ofstream version(stick / "OPEN-R" / "APP" / "VERSION", std::ios::binary);
        const std::vector<std::uint8_t> bytes = rCodeVersion(LanguagePayload{5, 0, 0, 0});
        version.write(reinterpret_cast<const char*>(bytes.data()),
                      static_cast<std::streamsize>(bytes.size()));
    }
    CliRun run = runCli({"detect", stick.string()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Version: ERS-7 R-CODE\nLanguage code: 5\n");
    EXPECT_EQ(run.err, "");
}
#endif

TEST(CliReport, PrintsTheListLineByLineWithLfOrCrLf)
{
    test::TempStick stick;
    stick.writeMarker();
    stick.write("OPEN-R/APP/VERSION", rCodeVersion(LanguagePayload{5, 0, 0, 0}));
    const std::string versions =
        "App Version:\n   vers: 0 1 116 255 0 0 0 0\n   cncd: 5 0 0 0\n"
        "MW Version:\n   ERROR: file missing\nSystem Version:\n   ERROR: file missing\n"
        "Custom Version:\n   ERROR: file missing\n\n";
    CliRun run = runCli({"report", "versions", stick.rootPath()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, versions);
    std::string crlf;
    for (char c : versions)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(runCli({"report", "versions", stick.rootPath(), "--crlf"}).out, crlf);
}

TEST(CliReport, HelpNamesEveryEntryAndAnUnknownEntryIsAUsageError)
{
    const CliRun help = runCli({"report", "--help"});
    EXPECT_NE(
        help.out.find("The entries, in the window's tree order:\n  summary name-owner lan-settings advanced "
                      "global-variables flash-variables r-variables diary-variables versions\n"),
        std::string::npos)
        << help.out;
    test::TempStick stick;
    const CliRun unknown = runCli({"report", "Summary", stick.rootPath()});
    EXPECT_EQ(unknown.status, 64);
    EXPECT_EQ(unknown.err, "morvane-cli: report: unknown entry 'Summary' (try 'morvane-cli --help')\n");
}

TEST(CliReport, ExitsWithOneWhenTheReportIsNotProduced)
{
    test::TempStick stick;
    stick.writeMarker();
    stick.write("OPEN-R/APP/VERSION", rCodeVersion(std::nullopt));
    CliRun missing = runCli({"report", "flash-variables", stick.rootPath()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "Non-critical warning:\n that file does not exist\n display not available\n");
    EXPECT_EQ(runCli({"report", "advanced", stick.rootPath()}).status, 0);
}

TEST(CliReport, AllIntroducesEveryEntryAndSucceeds)
{
    test::TempStick stick;
    stick.writeMarker();
    stick.write("OPEN-R/APP/VERSION", rCodeVersion(std::nullopt));
    CliRun run = runCli({"report", "all", stick.rootPath()});
    EXPECT_EQ(run.status, 0);
    std::size_t position = 0;
    for (const char* title : {"Summary", "Name / Owner", "LAN settings", "Advanced", "global variables",
                              "flash variables", "r variables (mind2/3)", "diary variables", "(versions)"}) {
        position = run.out.find(std::string("== ") + title + " ==\n", position);
        EXPECT_NE(position, std::string::npos) << title;
    }
    EXPECT_EQ(run.out.substr(run.out.size() - 2), "\n\n");
    EXPECT_EQ(runCli({"report", "all", stick.rootPath() + "/nowhere"}).status, 2);
}

TEST(CliUsage, UsageErrorsExitWith64AndOneLine)
{
    for (const auto& args : std::vector<std::vector<std::string>>{{},
                                                                  {"frobnicate"},
                                                                  {"detect"},
                                                                  {"detect", "a", "b"},
                                                                  {"detect", "--loud", "a"},
                                                                  {"scan", "x"},
                                                                  {"report", "versions"},
                                                                  {"report", "everything", "a"},
                                                                  {"report", "all", "a", "--crlf=yes"},
                                                                  {"photos", "a", "--out="},
                                                                  {"voices", "a", "--out", ""},
                                                                  {"check", "a", "--against"}}) {
        CliRun run = runCli(args);
        EXPECT_EQ(run.status, 64) << testing::PrintToString(args);
        EXPECT_EQ(run.out, "");
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
    }
}

TEST(CliUsage, HelpAndVersionWorkOnTheProgramAndEveryCommand)
{
    for (const auto& args : std::vector<std::vector<std::string>>{{"--help"},
                                                                  {"detect", "--help"},
                                                                  {"scan", "--help"},
                                                                  {"report", "--help"},
                                                                  {"detect", "STICK", "--help"}}) {
        CliRun run = runCli(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_NE(run.out.find("Usage:"), std::string::npos) << testing::PrintToString(args);
    }
    for (const auto& args : std::vector<std::vector<std::string>>{{"--version"}, {"scan", "--version"}}) {
        CliRun run = runCli(args);
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out.rfind("morvane-cli ", 0), 0u);
    }
}

// A picture that cannot be written (a file stands where its folder should be) is named on
// standard error, and the command fails; what it prints is printed all the same.
TEST(CliPictures, APictureThatCannotBeWrittenIsNamedAndTheCommandFails)
{
    test::TempStick folder;
    ASSERT_EQ(stickgen::writeSampleStick(folder.dir() / "stick"), std::nullopt);
    folder.write("blocker", "a file where a folder should be");
    const std::string stick = utf8Text(folder.dir() / "stick");
    const std::filesystem::path blocker = folder.dir() / "blocker";

    const CliRun faces = runCli({"faces", stick, "--png", utf8Text(blocker)});
    EXPECT_EQ(faces.status, 1);
    EXPECT_EQ(faces.out, runCli({"faces", stick}).out);
    std::string unwritten;
    for (const char* name : {"face-0.png", "face-1.png", "face-2.png", "face-3.png"})
        unwritten += "morvane-cli: cannot write " + utf8Text(blocker / name) + "\n";
    EXPECT_EQ(faces.err, unwritten);

    const std::string picture = utf8Text(blocker) + "/colors.png";
    const CliRun colors = runCli({"colors", stick, "--png", picture});
    EXPECT_EQ(colors.status, 1);
    EXPECT_EQ(colors.err, "morvane-cli: cannot write " + picture + "\n");
}

// The commands that copy or draw what the stick holds only read it: an output inside the
// stick, however it is spelt, is refused before anything is written, as it could replace a
// stick file.
TEST(CliPictures, NoCopyOrPictureIsWrittenInsideTheStick)
{
    test::TempStick folder;
    const std::filesystem::path stick = folder.dir() / "stick";
    ASSERT_EQ(stickgen::writeSampleStick(stick), std::nullopt);
    const std::filesystem::path fvar = stick / "OPEN-R" / "APP" / "DATA" / "P" / "FVAR";
    const std::vector<std::uint8_t> fvarBefore = folder.read("stick/OPEN-R/APP/DATA/P/FVAR");
    const auto filesOnStick = [&stick] {
        return std::distance(std::filesystem::recursive_directory_iterator(stick),
                             std::filesystem::recursive_directory_iterator());
    };
    const auto before = filesOnStick();
    const std::vector<std::vector<std::string>> outputs{
        {"photos", "--out", utf8Text(stick / "OPEN-R" / "APP" / "PC" / "PHOTO")},
        {"voices", "--out", utf8Text(stick)},
        {"colors", "--png", utf8Text(fvar)},
        {"faces", "--png", utf8Text(stick / "OPEN-R" / ".." / "faces")},
        {"diary", "--png", utf8Text(stick / "new folder" / "chart.png")}};
    for (const std::vector<std::string>& output : outputs) {
        const CliRun run = runCli({output[0], utf8Text(stick), output[1], output[2]});
        EXPECT_EQ(run.status, 64) << output[0];
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, "morvane-cli: " + output[0] + ": " + output[1] +
                               " lies inside the stick (try 'morvane-cli --help')\n");
    }
    EXPECT_EQ(filesOnStick(), before);
    EXPECT_EQ(folder.read("stick/OPEN-R/APP/DATA/P/FVAR"), fvarBefore);
}

// On a terminal a long command shows the file at hand, and wipes the line at the end;
// Ctrl+C makes it stop at the next file. Elsewhere nothing is shown.
TEST(CliProgress, ATerminalSeesEachFileAndCtrlCStopsAtTheNext)
{
    std::ostringstream terminal, file;
    {
        cli::TerminalProgress progress(terminal, true, "backing up");
        cli::TerminalProgress quiet(file, false, "checking");
        EXPECT_TRUE(progress.copying("MEMSTICK.IND", 0, 2));
        EXPECT_TRUE(quiet.reading("MEMSTICK.IND", 0, 2));
        std::raise(SIGINT);
        EXPECT_FALSE(progress.copying("OPEN-R/APP/VERSION", 1, 2));
    }
    EXPECT_EQ(terminal.str(), "\rbacking up 1/2: MEMSTICK.IND\rbacking up 2/2: OPEN-R/APP/VERSION\r" +
                                  std::string(34, ' ') + "\r");
    EXPECT_EQ(file.str(), "");
}

// The viewers' commands read the stick under the same progress line; Ctrl+C during the
// reading ends the command with a line that says so.
TEST(CliProgress, AReadingShowsItsFilesAndSaysWhenCtrlCStoppedIt)
{
    std::ostringstream terminal;
    EXPECT_TRUE(cli::readShowingProgress(terminal, true, "reading the diary", [](ReadProgress& progress) {
        EXPECT_TRUE(progress.reading("AI.XML", 0, 1));
    }));
    EXPECT_EQ(terminal.str(), "\rreading the diary 1/1: AI.XML\r" + std::string(29, ' ') + "\r");

    std::ostringstream file;
    EXPECT_FALSE(cli::readShowingProgress(file, false, "reading the album", [](ReadProgress& progress) {
        std::raise(SIGINT);
        EXPECT_FALSE(progress.reading("IMG00001.JPG", 0, 1));
    }));
    EXPECT_EQ(file.str(), "morvane-cli: the reading was cancelled\n");
}

// The sample stick scrambled with a random pad set, which a pads file of its own holds.
class CliKeyPads : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::mt19937 random(1452);
        for (std::uint8_t& byte : pads)
            byte = static_cast<std::uint8_t>(random());
        folder.write("pads.bin", pads);
        ASSERT_EQ(stickgen::writeSampleStick(folder.dir() / "stick", false, pads), std::nullopt);
    }
    std::string path(const std::filesystem::path& name) const { return utf8Text(folder.dir() / name); }
    // The reports of the three scrambled files as one text, `before` put ahead of the
    // command and `after` behind it.
    std::string variables(const std::vector<std::string>& before, const std::vector<std::string>& after = {})
    {
        std::string text;
        for (const char* entry : {"global-variables", "r-variables", "diary-variables"}) {
            std::vector<std::string> args = before;
            args.insert(args.end(), {"report", entry, path("stick")});
            args.insert(args.end(), after.begin(), after.end());
            text += runCli(args).out;
        }
        return text;
    }
    void expectTrueValues(const std::string& text)
    {
        for (const char* part :
             {"AiboMind2/3 Globals\nNon-Zero Values\nG{0} = 3\nG{4} = 1\nG{10} = 7\nG{11} = 5\n",
              "G{127} = 1\n",
              "Dump of file OPEN-R\\APP\\DATA\\P\\RVAR\n\nR{0} = 1\nR{3} = 12\nR{7} = 250\nR{15} = 4\nR{31} "
              "= 1\n",
              "Dump of file OPEN-R\\APP\\DATA\\P\\DVAR\n\nD{0} = 40\nD{1} = 11\nD{2} = 3\nD{10} = 5\nD{64} = "
              "2\n"
              "D{138} = 1\n"})
            EXPECT_NE(text.find(part), std::string::npos) << part << " in\n" << text;
    }

    test::TempStick folder;
    KeyPadBytes pads{};
};

const std::string kRVarsReadTrue = "R{7} = 250\n";

TEST_F(CliKeyPads, AStickReadsTrueWithItsPadsNamedByTheOptionOrTheVariable)
{
    const std::string padsFile = path("pads.bin");
    expectTrueValues(variables({"--key-pads", padsFile}));
    expectTrueValues(variables({}, {"--key-pads", padsFile}));
    expectTrueValues(variables({}, {"--key-pads=" + padsFile}));
    EXPECT_EQ(variables({}).find(kRVarsReadTrue), std::string::npos) << "the pads built in read it wrong";
    test::ScopedEnvironmentVariable variable("MORVANE_KEY_PADS", padsFile);
    expectTrueValues(variables({}));
    // The option comes before the variable.
    test::ScopedEnvironmentVariable unusable("MORVANE_KEY_PADS", path("missing.bin"));
    expectTrueValues(variables({"--key-pads", padsFile}));
}

// Read with the pads built in, the stick's times are said to be unreadable and each dump
// of the three files opens with a warning; read with its own pads, every report is the
// sample stick's, byte for byte.
TEST_F(CliKeyPads, PadsThatDoNotFitAreSaidSoAndPadsThatFitChangeNothing)
{
    const std::string warning =
        "\n\nWarning: the key pads in use do not fit this file; the values below are not the robot's\n\n";
    const std::pair<const char*, std::string> starts[]{
        {"global-variables", "Dump of file OPEN-R\\APP\\DATA\\P\\GVAR" + warning +
                                 "AiboMind2/3 Globals\nNon-Zero Values\nG{0} = "},
        {"r-variables", "Dump of file OPEN-R\\APP\\DATA\\P\\RVAR" + warning + "R{0} = "},
        {"diary-variables", "Dump of file OPEN-R\\APP\\DATA\\P\\DVAR" + warning + "D{0} = "}};
    for (const auto& [entry, start] : starts) {
        const CliRun run = runCli({"report", entry, path("stick")});
        EXPECT_EQ(run.status, 0);
        EXPECT_EQ(run.out.substr(0, start.size()), start) << entry;
    }
    const std::string summary = runCli({"report", "summary", path("stick")}).out;
    EXPECT_NE(
        summary.find("\nAiboMind2/3\nAlarm, wake-up, bed and last-run times: unreadable with the key pads "
                     "in use\n\nAIBO has been named\n"),
        std::string::npos)
        << summary;

    ASSERT_EQ(stickgen::writeSampleStick(folder.dir() / "sample", false), std::nullopt);
    const std::string sample = runCli({"report", "all", path("sample")}).out;
    const std::string own = runCli({"--key-pads", path("pads.bin"), "report", "all", path("stick")}).out;
    // Alike but for the root line, which names each stick's own folder.
    const std::string rootLine = "Browsing OpenR from ";
    const std::size_t root = sample.find(rootLine);
    ASSERT_NE(root, std::string::npos);
    EXPECT_EQ(own.substr(0, root), sample.substr(0, root));
    EXPECT_EQ(own.substr(own.find('\n', root)), sample.substr(sample.find('\n', root)));
}

TEST_F(CliKeyPads, AnUnusableNamedPadsFileExitsWithTwoBeforeTheStickIsOpened)
{
    folder.write("short.bin", std::span(pads).first(1451));
    std::filesystem::create_directory(folder.dir() / "folder.bin");
    const std::string rule = ": key pads must be a file of exactly 1452 bytes\n";
    const std::pair<std::string, std::string> unusable[]{
        {path("short.bin"), "Key pads file '" + path("short.bin") + "' holds 1451 bytes" + rule},
        {path("folder.bin"), "Key pads file '" + path("folder.bin") + "' is a folder" + rule},
        {path("missing.bin"), "Key pads file '" + path("missing.bin") + "' does not exist" + rule}};
    for (const auto& [file, message] : unusable) {
        const CliRun byOption = runCli({"--key-pads", file, "report", "all", path("stick")});
        EXPECT_EQ(byOption.status, 2);
        EXPECT_EQ(byOption.out, "");
        EXPECT_EQ(byOption.err, message);
        test::ScopedEnvironmentVariable variable("MORVANE_KEY_PADS", file);
        const CliRun byVariable = runCli({"detect", path("no stick here")});
        EXPECT_EQ(byVariable.status, 2);
        EXPECT_EQ(byVariable.err, message);
        const CliRun version = runCli({"detect", "--version"});
        EXPECT_EQ(version.status, 2);
        EXPECT_TRUE(version.out.starts_with("morvane-cli ")) << "the version is told all the same";
        EXPECT_EQ(version.err, message);
    }
    EXPECT_EQ(runCli({"detect", path("stick"), "--key-pads"}).status, 64);
}

TEST_F(CliKeyPads, VersionNamesThePadsInUse)
{
    const CliRun named = runCli({"detect", "--version", "--key-pads", path("pads.bin")});
    EXPECT_EQ(named.out.substr(named.out.find('\n')), "\nKey pads: " + path("pads.bin") + "\n");
    const CliRun builtIn = runCli({"--version"});
    EXPECT_EQ(builtIn.out.substr(builtIn.out.find('\n')),
              kBuiltInKeyPadsArePlaceholders
                  ? "\nKey pads: built in (placeholders: a real robot's GVAR, RVAR and "
                    "DVAR read wrong; see the README)\n"
                  : "\nKey pads: built in\n");
}

// Found without being named: an unusable file there is announced and passed over.
TEST_F(CliKeyPads, PadsInTheUsersConfigurationFolderAreFound)
{
#ifdef _WIN32
    test::ScopedEnvironmentVariable config("APPDATA", utf8Text(folder.dir()));
    const std::string found = path("Morvane\\key_pads.bin");
#else
    test::ScopedEnvironmentVariable config("XDG_CONFIG_HOME", utf8Text(folder.dir()));
    const std::string found = path("morvane/key_pads.bin");
#endif
    folder.write("morvane/key_pads.bin", pads);
    expectTrueValues(variables({}));
    const std::string version = runCli({"--version"}).out;
    EXPECT_EQ(version.substr(version.find('\n')), "\nKey pads: " + found + "\n");
    folder.write("morvane/key_pads.bin", std::span(pads).first(1451));
    const CliRun run = runCli({"report", "r-variables", path("stick")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.find(kRVarsReadTrue), std::string::npos);
    EXPECT_EQ(run.err, "Key pads file '" + found +
                           "' holds 1451 bytes: key pads must be a file of exactly 1452 bytes\n");
}

}  // namespace
}  // namespace morvane
