// The real main window under test: opened on a stick named on the command line, its
// reports, the Open, Copy, About and Exit commands, and the start-up's own messages.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/MainWindowCommandIds.h"
#include "cli/CliMain.h"
#include "cli/ReportEntries.h"
#include "stick/win32/WideText.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/TempStick.h"
#include "tests/win32/FileDialogDriver.h"
#include "tests/win32/GuiSession.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane::test {
namespace {

namespace fs = std::filesystem;

const fs::path kTemporaryFile = L"c:\\$$aibotmp.mid";

// The sample stick the build wrote, as a Windows path (taken before any test changes
// the current drive).
const fs::path& sampleStick()
{
    static const fs::path path = fs::absolute(MORVANE_SAMPLE_STICK);
    return path;
}

// What `morvane-cli report NAME STICK [--crlf]` prints.
std::string cliReport(std::string_view name, const fs::path& stick, bool crlf = false)
{
    CurrentDirectoryGuard guard;
    std::vector<std::string> args{"report", std::string(name), narrowToUtf8(stick.wstring())};
    if (crlf)
        args.push_back("--crlf");
    std::ostringstream out, err;
    cli::runCli(args, out, err);
    return out.str();
}

class BrowserWindowTest : public ::testing::Test {
protected:
    void openOn(const fs::path& stick)
    {
        session.start(L"/v " + stick.wstring());
        ASSERT_NE(session.mainWindow(), nullptr);
    }
    void post(int command) { PostMessageW(session.mainWindow(), WM_COMMAND, command, 0); }

    GuiSession session;
};

TEST_F(BrowserWindowTest, OpensOnTheNamedStickWithSummarySelectedAndShown)
{
    const std::string summary = cliReport("summary", sampleStick());
    openOn(sampleStick());
    EXPECT_TRUE(waitUntil([&] { return session.listText() == summary; })) << session.listText();
    EXPECT_EQ(session.selectedTreeTitle(), L"Summary");
}

// Windows quotes a folder whose path holds a blank: Morvane.exe "C:\...\Jane Doe\My AIBO".
TEST_F(BrowserWindowTest, OpensOnAQuotedFolderWithBlanksInItsPath)
{
    TempStick parent;
    const fs::path stick = parent.dir() / L"Jane Doe" / L"My AIBO";
    ASSERT_EQ(stickgen::writeSampleStick(stick), std::nullopt);
    const std::string summary = cliReport("summary", stick);
    CurrentDirectoryGuard leaveTheStick;
    session.start(L"\"" + stick.wstring() + L"\"");
    ASSERT_NE(session.mainWindow(), nullptr);
    EXPECT_TRUE(waitUntil([&] { return session.listText() == summary; })) << session.listText();
    EXPECT_EQ(session.selectedTreeTitle(), L"Summary");
}

TEST_F(BrowserWindowTest, EveryEntryShowsExactlyWhatTheCliPrints)
{
    std::vector<std::string> expected;
    for (const cli::ReportEntry& entry : cli::kReportEntries)
        expected.push_back(cliReport(entry.name, sampleStick()));
    openOn(sampleStick());
    const std::vector<HTREEITEM> items = session.treeItems();
    ASSERT_EQ(items.size(), cli::kReportEntries.size());
    HWND tree = GetDlgItem(session.mainWindow(), 1000);
    for (std::size_t index = 0; index < items.size(); ++index) {
        SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(items[index]));
        EXPECT_EQ(session.treeTitle(items[index]), widenUtf8(cli::kReportEntries[index].title));
        EXPECT_EQ(session.listText(), expected[index]) << cli::kReportEntries[index].title;
    }
}

TEST_F(BrowserWindowTest, CopyPutsTheListOnTheClipboardAsCrLfTextWithOneNul)
{
    const std::string expected = cliReport("summary", sampleStick(), true);
    openOn(sampleStick());
    ASSERT_TRUE(waitUntil([&] { return !session.listLines().empty(); }));
    SendMessageW(session.mainWindow(), WM_COMMAND, IDM_COPY_REPORT, 0);
    ASSERT_TRUE(waitUntil([] { return OpenClipboard(nullptr) != 0; }));
    HANDLE data = GetClipboardData(CF_TEXT);
    ASSERT_NE(data, nullptr);
    const char* text = static_cast<const char*>(GlobalLock(data));
    const std::size_t size = GlobalSize(data);
    EXPECT_GE(size, expected.size() + 1);
    EXPECT_EQ(std::string(text, std::min(size, expected.size() + 1)), expected + '\0');
    GlobalUnlock(data);
    CloseClipboard();
}

TEST_F(BrowserWindowTest, ACopyWhileTheClipboardIsHeldElsewhereSaysSo)
{
    openOn(sampleStick());
    ASSERT_TRUE(waitUntil([] { return OpenClipboard(nullptr) != 0; }));
    post(IDM_COPY_REPORT);
    EXPECT_EQ(session.answerMessageBox(), L"Clipboard error");
    CloseClipboard();
    // The failed copy left the clipboard closed, so a second one goes through.
    SendMessageW(session.mainWindow(), WM_COMMAND, IDM_COPY_REPORT, 0);
    EXPECT_EQ(session.findWindow(GuiSession::programName()), nullptr);
}

TEST_F(BrowserWindowTest, OpenMovesToAnotherStickAndShowsItsSummary)
{
    TempStick other;
    ASSERT_EQ(stickgen::writeSampleStick(other.dir()), std::nullopt);
    openOn(sampleStick());
    SendMessageW(GetDlgItem(session.mainWindow(), 1000), TVM_SELECTITEM, TVGN_CARET,
                 reinterpret_cast<LPARAM>(session.treeItems().at(2)));
    post(IDM_OPEN);
    HWND dialog = session.waitForWindow(kStickFileDialogTitle);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(GetWindow(dialog, GW_OWNER), session.mainWindow());
    chooseFile(dialog, other.dir() / "MEMSTICK.IND");
    const std::wstring root = fs::path(other.rootPath()).wstring();
    EXPECT_TRUE(session.waitForLine(toCodePage(L"Browsing OpenR from " + root)));
    EXPECT_EQ(session.selectedTreeTitle(), L"Summary");
}

TEST_F(BrowserWindowTest, OpenOntoANonStickShowsBothMessagesAndKeepsTheReport)
{
    TempStick notAStick;
    notAStick.write("other.ind", "");
    openOn(sampleStick());
    ASSERT_TRUE(waitUntil([&] { return !session.listLines().empty(); }));
    const std::vector<std::string> shown = session.listLines();
    post(IDM_OPEN);
    chooseFile(session.waitForWindow(kStickFileDialogTitle), notAStick.dir() / "other.ind");
    EXPECT_EQ(session.answerMessageBox(), L"Stick Open Error: can't open memstick.ind");
    EXPECT_EQ(session.answerMessageBox(), L"Failed to open new image");
    EXPECT_EQ(session.listLines(), shown);
}

TEST_F(BrowserWindowTest, ARootOutsideAsciiShowsInTheSystemCodePage)
{
    TempStick parent;
    const fs::path stick = parent.dir() / L"M\u00fcller";
    ASSERT_EQ(stickgen::writeSampleStick(stick), std::nullopt);
    const std::string summary = cliReport("summary", stick);
    openOn(stick);
    EXPECT_TRUE(waitUntil([&] { return session.listText() == summary; })) << session.listText();
    EXPECT_NE(fromCodePage(session.listText()).find(L"\\M\u00fcller\n"), std::wstring::npos);
}

TEST_F(BrowserWindowTest, AboutShowsTheProgramAndItsVersion)
{
    openOn(sampleStick());
    post(IDM_ABOUT);
    HWND about = session.waitForWindow(L"About Morvane");
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(GetWindow(about, GW_OWNER), session.mainWindow());
    PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(waitUntil([&] { return !IsWindow(about); }));
}

TEST_F(BrowserWindowTest, ExitAndEnterEndTheProgramAndTheTemporaryFileIsDeleted)
{
    for (int command : {IDM_EXIT, IDOK}) {
        std::ofstream(kTemporaryFile) << "x";
        GuiSession run;
        run.start(L"/v " + sampleStick().wstring());
        ASSERT_NE(run.mainWindow(), nullptr);
        PostMessageW(run.mainWindow(), WM_COMMAND, command, 0);
        EXPECT_TRUE(run.waitForEnd());
        EXPECT_FALSE(fs::exists(kTemporaryFile));
    }
}

TEST_F(BrowserWindowTest, ACommandLineDirectoryThatCannotBeEnteredEndsTheProgram)
{
    std::ofstream(kTemporaryFile) << "x";
    session.start(L"/V");
    EXPECT_EQ(session.answerMessageBox(), L"ERROR: directory '/V' specified on command line is invalid");
    EXPECT_TRUE(session.waitForEnd());
    EXPECT_FALSE(fs::exists(kTemporaryFile));
}

}  // namespace
}  // namespace morvane::test
