// morvane-cli as a function: exit statuses, the exact texts on standard output and
// standard error, and the command-line rules shared by every command.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliMain.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/VersionFile.h"

namespace morvane {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun runCli(std::vector<std::string> args)
{
    test::CurrentDirectoryGuard guard;
    std::ostringstream out, err;
    const int status = cli::runCli(args, out, err);
    return {status, out.str(), err.str()};
}

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
                                                                  {"report", "all", "a", "--crlf=yes"}}) {
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

}  // namespace
}  // namespace morvane
