// The real main window under test: opened on a stick named on the command line, its
// reports, the Open, Copy, About and Exit commands, and the start-up's own messages.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "MorvaneVersion.h"
#include "app/MainWindowCommandIds.h"
#include "app/win32/MainWindowRes.h"
#include "base/Utf8Path.h"
#include "base/win32/WideText.h"
#include "cli/CliMain.h"
#include "reports/ReportTree.h"
#include "tests/support/CliRun.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/ScopedEnvironmentVariable.h"
#include "tests/support/TempStick.h"
#include "tests/win32/FileDialogDriver.h"
#include "tests/win32/GuiSession.h"
#include "tests/win32/SampleStickAndCli.h"
#include "tests/win32/WindowCapture.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane::test {
namespace {

namespace fs = std::filesystem;

const fs::path kTemporaryFile = L"c:\\$$aibotmp.mid";

// The width of `text` in the font of the list box `list`.
int textWidth(HWND list, const std::wstring& text)
{
    HDC dc = GetDC(list);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, previous);
    ReleaseDC(list, dc);
    return extent.cx;
}

// How far right, from the row's left edge, entry `index` of the list box `list` is painted
// in anything but the window colour; 0 when the row is blank.
int inkRightEdge(HWND list, int index)
{
    const ImageCanvas image = printClient(list);
    RECT row{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&row));
    const COLORREF window = GetSysColor(COLOR_WINDOW);
    const RgbColor background = rgbColor(GetRValue(window), GetGValue(window), GetBValue(window));
    int edge = 0;
    for (int y = row.top; y < row.bottom; ++y)
        for (int x = row.left; x < row.right; ++x)
            if (image.pixel(x, y) != background)
                edge = std::max(edge, x - static_cast<int>(row.left) + 1);
    return edge;
}

// The clipboard's text, every byte of its memory block (the text, its NUL, any padding).
std::string clipboardBytes()
{
    if (!waitUntil([] { return OpenClipboard(nullptr) != 0; }))
        return {};
    std::string bytes;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        bytes.assign(static_cast<const char*>(GlobalLock(data)), GlobalSize(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return bytes;
}

BOOL CALLBACK collectText(HWND window, LPARAM lParam)
{
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    reinterpret_cast<std::vector<std::wstring>*>(lParam)->push_back(text);
    return TRUE;
}

// The texts of the controls of `window`.
std::vector<std::wstring> controlTexts(HWND window)
{
    std::vector<std::wstring> texts;
    EnumChildWindows(window, collectText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

class MainWindowTest : public ::testing::Test {
protected:
    void openOn(const fs::path& stick)
    {
        session.start(L"/v " + stick.wstring());
        ASSERT_NE(session.mainWindow(), nullptr);
    }
    void post(int command) { PostMessageW(session.mainWindow(), WM_COMMAND, command, 0); }
    // Opens the About box and answers the texts of its controls; the box is closed again.
    std::vector<std::wstring> aboutTexts()
    {
        post(IDM_ABOUT);
        HWND about = session.waitForWindow(L"About Morvane");
        if (about == nullptr)
            return {};
        EXPECT_EQ(GetWindow(about, GW_OWNER), session.mainWindow());
        const std::vector<std::wstring> texts = controlTexts(about);
        PostMessageW(about, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(waitUntil([&] { return !IsWindow(about); }));
        return texts;
    }
    // Options > Copy Report to Clipboard; the clipboard's text up to its first NUL, and the NUL.
    std::string copyReport()
    {
        SendMessageW(session.mainWindow(), WM_COMMAND, IDM_COPY_REPORT, 0);
        const std::string bytes = clipboardBytes();
        return bytes.substr(0, bytes.find('\0') + 1);
    }
    void selectEntry(const std::wstring& title)
    {
        for (HTREEITEM item : session.treeItems())
            if (session.treeTitle(item) == title)
                SendMessageW(GetDlgItem(session.mainWindow(), IDC_REPORT_TREE), TVM_SELECTITEM, TVGN_CARET,
                             reinterpret_cast<LPARAM>(item));
    }

    GuiSession session;
};

TEST_F(MainWindowTest, OpensOnTheNamedStickWithSummarySelectedAndShown)
{
    const std::string summary = cliReport("summary", sampleStick());
    openOn(sampleStick());
    EXPECT_TRUE(waitUntil([&] { return session.listText() == summary; })) << session.listText();
    EXPECT_EQ(session.selectedTreeTitle(), L"Summary");
}

// Windows quotes a folder whose path holds a blank: Morvane.exe "C:\...\Jane Doe\My AIBO".
// The menu bar the window builds when it opens: each menu's items with their access keys
// and commands, in order.
TEST_F(MainWindowTest, TheMenuBarHoldsEveryCommandWithItsAccessKey)
{
    openOn(sampleStick());
    using Items = std::vector<std::pair<std::wstring, UINT>>;
    const std::vector<std::pair<std::wstring, Items>> expected{
        {L"&Options",
         {{L"&Open", IDM_OPEN},
          {L"&Copy Report to Clipboard", IDM_COPY_REPORT},
          {L"&About", IDM_ABOUT},
          {L"E&xit", IDM_EXIT}}},
        {L"&Stick",
         {{L"&Back Up Stick...", IDM_BACK_UP_STICK},
          {L"&Check Stick...", IDM_CHECK_STICK},
          {L"&Restore from Backup...", IDM_RESTORE_FROM_BACKUP}}},
        {L"&Change", {{L"&Skill Levels", IDM_SKILL_LEVELS}, {L"&Volume Presets", IDM_VOLUME_PRESETS}}},
        {L"&View",
         {{L"&Color Preferences", IDM_COLOR_PREFERENCES},
          {L"&Human Faces", IDM_HUMAN_FACES},
          {L"&Diary", IDM_DIARY},
          {L"&Photo Album", IDM_PHOTO_ALBUM},
          {L"V&oice Recordings", IDM_VOICE_RECORDINGS}}}};
    const auto text = [](HMENU menu, int position) {
        wchar_t buffer[64]{};
        GetMenuStringW(menu, static_cast<UINT>(position), buffer, 64, MF_BYPOSITION);
        return std::wstring(buffer);
    };
    std::vector<std::pair<std::wstring, Items>> shown;
    HMENU bar = GetMenu(session.mainWindow());
    for (int menu = 0; menu < GetMenuItemCount(bar); ++menu) {
        HMENU popup = GetSubMenu(bar, menu);
        Items items;
        for (int item = 0; item < GetMenuItemCount(popup); ++item)
            items.emplace_back(text(popup, item), GetMenuItemID(popup, item));
        shown.emplace_back(text(bar, menu), items);
    }
    EXPECT_EQ(shown, expected);
}

// Stick > Check Stick: the list then holds what morvane-cli check prints.
TEST_F(MainWindowTest, CheckStickShowsWhatTheCliChecks)
{
    const std::string checked = runCli({"check", utf8Text(sampleStick())}).out;
    ASSERT_NE(checked.find("66 files checked, 0 problems\n"), std::string::npos) << checked;
    openOn(sampleStick());
    ASSERT_TRUE(waitUntil([&] { return !session.listLines().empty(); }));
    post(IDM_CHECK_STICK);
    EXPECT_TRUE(waitUntil([&] { return session.listText() == checked; })) << session.listText();
}

TEST_F(MainWindowTest, OpensOnAQuotedFolderWithBlanksInItsPath)
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

// What each entry holds, as the copy hands it over: the list box shows the same lines,
// less the line feed a copied stick line keeps (see the LAN settings below).
TEST_F(MainWindowTest, EveryEntryHoldsExactlyWhatTheCliPrints)
{
    std::vector<std::string> expected;
    for (const ReportEntry& entry : reportEntries())
        expected.push_back(cliReport(entry.commandName, sampleStick(), true) + '\0');
    openOn(sampleStick());
    const std::vector<HTREEITEM> items = session.treeItems();
    ASSERT_EQ(items.size(), reportEntries().size());
    HWND tree = GetDlgItem(session.mainWindow(), IDC_REPORT_TREE);
    for (std::size_t index = 0; index < items.size(); ++index) {
        SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(items[index]));
        EXPECT_EQ(session.treeTitle(items[index]), widenUtf8(reportEntries()[index].title));
        EXPECT_EQ(copyReport(), expected[index]) << reportEntries()[index].title;
    }
}

TEST_F(MainWindowTest, CopyPutsTheListOnTheClipboardAsCrLfTextWithOneNul)
{
    const std::string expected = cliReport("summary", sampleStick(), true);
    openOn(sampleStick());
    ASSERT_TRUE(waitUntil([&] { return !session.listLines().empty(); }));
    SendMessageW(session.mainWindow(), WM_COMMAND, IDM_COPY_REPORT, 0);
    const std::string copied = clipboardBytes();
    EXPECT_GE(copied.size(), expected.size() + 1);
    EXPECT_EQ(copied.substr(0, expected.size() + 1), expected + '\0');
}

// WLANCONF.TXT has CR LF line ends: its lines, and the heading before them, keep an LF in
// the report.
TEST_F(MainWindowTest, LanSettingsLinesShowWithoutTheirLineFeedAndCopyWithIt)
{
    TempStick stick;
    stick.writeMarker();
    stick.write("OPEN-R/SYSTEM/VERSION", "any");
    stick.write("OPEN-R/SYSTEM/CONF/WLANCONF.TXT", "HOSTNAME=AIBO\r\nESSID=HOME\r\n");
    const std::string copied = "OPEN-R\\SYSTEM\\CONF\\WLANCONF.TXT\r\n\r\n"
                               "Current LAN Settings for Open-R SDK stick\n\r\n"
                               "    HOSTNAME=AIBO\n\r\n    ESSID=HOME\n\r\n\r\n";
    ASSERT_EQ(cliReport("lan-settings", stick.dir(), true), copied);
    CurrentDirectoryGuard leaveTheStick;
    openOn(stick.dir());
    selectEntry(L"LAN settings");
    EXPECT_EQ(session.listLines(), (std::vector<std::string>{"OPEN-R\\SYSTEM\\CONF\\WLANCONF.TXT", "",
                                                             "Current LAN Settings for Open-R SDK stick",
                                                             "    HOSTNAME=AIBO", "    ESSID=HOME", ""}));
    EXPECT_EQ(copyReport(), copied + '\0');
    // Nothing is drawn to the right of the heading's text (a line feed would be a box).
    HWND list = GetDlgItem(session.mainWindow(), IDC_INFO_LIST);
    const int textEnd = textWidth(list, L"Current LAN Settings for Open-R SDK stick");
    const int inkEnd = inkRightEdge(list, 2);
    EXPECT_GT(inkEnd, textEnd / 2);
    EXPECT_LE(inkEnd, textEnd + 2);
}
TEST_F(MainWindowTest, ACopyWhileTheClipboardIsHeldElsewhereSaysSo)
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

TEST_F(MainWindowTest, OpenMovesToAnotherStickAndShowsItsSummary)
{
    TempStick other;
    ASSERT_EQ(stickgen::writeSampleStick(other.dir()), std::nullopt);
    openOn(sampleStick());
    SendMessageW(GetDlgItem(session.mainWindow(), IDC_REPORT_TREE), TVM_SELECTITEM, TVGN_CARET,
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

TEST_F(MainWindowTest, OpenOntoANonStickShowsBothMessagesAndKeepsTheReport)
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

// The program runs in the UTF-8 code page: a folder named in Japanese or with accents
// reaches the list and the clipboard in UTF-8, as the reports are on Linux.
TEST_F(MainWindowTest, ARootNamedInAnyScriptShowsAndCopiesInUtf8)
{
    ASSERT_EQ(GetACP(), 65001u);
    const std::pair<const wchar_t*, std::string> names[]{
        {L"M\u00fcller", "M\xc3\xbcller"},
        {L"\u30a2\u30a4\u30dc\u306e\u30b9\u30c6\u30a3\u30c3\u30af",
         "\xe3\x82\xa2\xe3\x82\xa4\xe3\x83\x9c\xe3\x81\xae\xe3\x82\xb9\xe3\x83\x86\xe3\x82\xa3\xe3\x83\x83"
         "\xe3\x82\xaf"}};
    for (const auto& [name, utf8] : names) {
        TempStick parent;
        const fs::path stick = parent.dir() / name;
        ASSERT_EQ(stickgen::writeSampleStick(stick), std::nullopt);
        const std::string summary = cliReport("summary", stick);
        GuiSession run;
        run.start(L"/v " + stick.wstring());
        ASSERT_NE(run.mainWindow(), nullptr);
        EXPECT_TRUE(waitUntil([&] { return run.listText() == summary; })) << run.listText();
        EXPECT_NE(summary.find("\\" + utf8 + "\nVersion: "), std::string::npos) << summary;
        SendMessageW(run.mainWindow(), WM_COMMAND, IDM_COPY_REPORT, 0);
        EXPECT_NE(clipboardBytes().find("\\" + utf8 + "\r\nVersion: "), std::string::npos);
        PostMessageW(run.mainWindow(), WM_COMMAND, IDM_EXIT, 0);
        EXPECT_TRUE(run.waitForEnd());
    }
}

TEST_F(MainWindowTest, AboutShowsTheProgramItsVersionTheKeyPadsInUseAndTheLicence)
{
    TempStick folder;
    folder.write("pads.bin", std::string(1452, 'k'));
    const std::string pads = utf8Text(folder.dir() / "pads.bin");
    ScopedEnvironmentVariable variable("MORVANE_KEY_PADS", pads);
    openOn(sampleStick());
    const std::vector<std::wstring> texts = aboutTexts();
    for (const std::wstring& text :
         {std::wstring(L"Morvane - Ver 7.3 .02"), std::wstring(L"Version " MORVANE_VERSION_TEXT),
          L"Key pads: " + widenUtf8(pads), std::wstring(L"MIT License (LICENSE.txt)")})
        EXPECT_NE(std::find(texts.begin(), texts.end(), text), texts.end()) << narrowToUtf8(text);
}

// The sample stick read with pads that are not the ones it was scrambled with.
TEST_F(MainWindowTest, PadsThatDoNotFitTheStickLeaveItsTimesUnreadable)
{
    TempStick folder;
    folder.write("pads.bin", std::string(1452, 'k'));
    ScopedEnvironmentVariable variable("MORVANE_KEY_PADS", utf8Text(folder.dir() / "pads.bin"));
    const std::string summary = cliReport("summary", sampleStick());
    EXPECT_NE(
        summary.find("\nAiboMind2/3\nAlarm, wake-up, bed and last-run times: unreadable with the key pads "
                     "in use\n\n"),
        std::string::npos)
        << summary;
    openOn(sampleStick());
    EXPECT_TRUE(waitUntil([&] { return session.listText() == summary; })) << session.listText();
}

TEST_F(MainWindowTest, AnUnusableKeyPadsFileIsAnnouncedAndThePadsBuiltInAreUsed)
{
    const std::string summary = cliReport("summary", sampleStick());
    TempStick folder;
    folder.write("short.bin", std::string(1451, 'k'));
    const std::string pads = utf8Text(folder.dir() / "short.bin");
    ScopedEnvironmentVariable variable("MORVANE_KEY_PADS", pads);
    session.start(L"/v " + sampleStick().wstring());
    EXPECT_EQ(session.answerMessageBox(),
              L"Key pads file '" + widenUtf8(pads) +
                  L"' holds 1451 bytes: key pads must be a file of exactly 1452 bytes");
    ASSERT_NE(session.mainWindow(), nullptr);
    EXPECT_TRUE(waitUntil([&] { return session.listText() == summary; })) << session.listText();
    const std::vector<std::wstring> texts = aboutTexts();
    EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const std::wstring& text) {
        return text.starts_with(L"Key pads: built in");
    }));
}

TEST_F(MainWindowTest, ExitAndEnterEndTheProgramAndTheTemporaryFileIsDeleted)
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

TEST_F(MainWindowTest, ACommandLineDirectoryThatCannotBeEnteredEndsTheProgram)
{
    std::ofstream(kTemporaryFile) << "x";
    session.start(L"/V");
    EXPECT_EQ(session.answerMessageBox(), L"ERROR: directory '/V' specified on command line is invalid");
    EXPECT_TRUE(session.waitForEnd());
    EXPECT_FALSE(fs::exists(kTemporaryFile));
}

}  // namespace
}  // namespace morvane::test
