// The robot's diary: its index and day files read from XML, the diary assembled from the
// stick (compressed files, any letter case, days missing or broken), its table, its CSV
// and its chart.
#include <gtest/gtest.h>

#include <algorithm>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "pc/Diary.h"
#include "pc/DiaryChart.h"
#include "pc/DiaryTable.h"
#include "stick/OsFile.h"
#include "tests/support/CliRun.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/GzipFile.h"

namespace morvane {
namespace {

std::span<const std::uint8_t> bytesOf(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::string entry(std::string_view file, std::string_view date, std::string_view time)
{
    return "<ENTRY><FILENAME>" + std::string(file) + "</FILENAME><DATE>" + std::string(date) +
           "</DATE><TIME>" + std::string(time) + "</TIME></ENTRY>";
}

std::string dayFile(int ball, std::string_view more = "")
{
    return "<?xml version=\"1.0\" "
           "encoding=\"iso-8859-1\"?>\r\n<DIARYSRC><COMMON><VERSION>1.0</VERSION></COMMON>"
           "<SKILL><BALL>" +
           std::to_string(ball) +
           "</BALL><BONE>250</BONE><WALK>10000</WALK><BABY>7</BABY></SKILL>"
           "<STATISTICS><WALK_DISTANCE> 31 "
           "</WALK_DISTANCE><OPERATION_TIME>412</OPERATION_TIME></STATISTICS>" +
           std::string(more) + "</DIARYSRC>\r\n";
}

TEST(FileIndex, EntriesComeInTheFilesOrderWithTheirCategory)
{
    const FileIndex photos = readFileIndex(
        bytesOf("<PHOTOLIST><COMMON><VERSION>1.0</VERSION></COMMON><PHOTO ID=\"OWNER\">" +
                entry("IMG00002.JPG", "20170328", "192010") + entry("IMG00001.JPG", "20170327", "080000") +
                "</PHOTO><PHOTO ID=\"FAVORITE\">" + entry("IMG00003.JPG", "20170401", "101010") +
                "</PHOTO></PHOTOLIST>"));
    EXPECT_EQ(photos.problem, std::nullopt);
    ASSERT_EQ(photos.entries.size(), 3u);
    EXPECT_EQ(photos.entries[0].category, "OWNER");
    EXPECT_EQ(photos.entries[0].file, "IMG00002.JPG");
    EXPECT_EQ(photos.entries[1].time, "080000");
    EXPECT_EQ(photos.entries[2].category, "FAVORITE");
    EXPECT_EQ(photos.entries[2].date, "20170401");

    // Cut short: the entries before the fault stay.
    const FileIndex cut =
        readFileIndex(bytesOf("<FILELIST>" + entry("AI170531.XML", "20170531", "194030") + "<ENT"));
    EXPECT_EQ(cut.problem, "not well-formed XML (line 1)");
    ASSERT_EQ(cut.entries.size(), 1u);
    EXPECT_EQ(cut.entries[0].category, "");
}

TEST(FileIndex, MoreThanTenThousandEntriesKeepTheFirst)
{
    std::string xml = "<FILELIST>";
    for (int day = 0; day < 10001; ++day)
        xml += entry("AI" + std::to_string(day) + ".XML", "20170531", "194030");
    const FileIndex index = readFileIndex(bytesOf(xml + "</FILELIST>"));
    EXPECT_EQ(index.entries.size(), 10000u);
    EXPECT_EQ(index.entries.back().file, "AI9999.XML");
    EXPECT_EQ(index.problem, "more than 10000 entries; the first 10000 are shown");
}

// A value the robot would not write (cut at the reader's bound, holding a control character
// that would break a line, a category over 64 bytes) is left out, and said so.
TEST(FileIndex, ValuesTheRobotWouldNotWriteAreLeftOut)
{
    const std::string longCategory(65, 'C');
    const FileIndex index = readFileIndex(
        bytesOf("<PHOTOLIST><PHOTO ID=\"OWNER&#10;FAVORITE 2017-01-01 00:00:00 IMG00009.JPG\">" +
                entry("IMG00001.JPG", "20170328", "192010") + "</PHOTO><PHOTO ID=\"" + longCategory + "\">" +
                entry("IMG00002.JPG", "20170328", std::string(4100, ' ') + "1") + "</PHOTO><PHOTO ID=\"" +
                longCategory.substr(1) + "\">" + entry("IMG\t3.JPG", "20170328", "192010") +
                "<ENTRY><NOTE>a\tb</NOTE><FILENAME>IMG00004.JPG</FILENAME></ENTRY></PHOTO></PHOTOLIST>"));
    // An entry without its name names no file: IMG\t3.JPG's is left out whole.
    ASSERT_EQ(index.entries.size(), 3u);
    // A line feed by reference in an attribute: Wine's XML reader gives a blank in its place
    // (so the name is whole), expat the line feed (so it is left out). Neither breaks a line.
    EXPECT_EQ(index.entries[0].category.find('\n'), std::string::npos);
    EXPECT_EQ(index.entries[0].file, "IMG00001.JPG");
    EXPECT_EQ(index.entries[1].category, "");
    EXPECT_EQ(index.entries[1].time, "");
    EXPECT_EQ(index.entries[2].category, longCategory.substr(1));
    EXPECT_EQ(index.entries[2].file, "IMG00004.JPG");  // an element the index does not use is not looked at
    EXPECT_EQ(index.problem,
              "an entry's name, date, time or category is too long or holds a control character, "
              "and is left out (the whole entry, when it is the name)");
}

TEST(FileIndex, NamesDatesAndTimes)
{
    EXPECT_TRUE(isPlainFileName("AI170531.XML"));
    EXPECT_TRUE(isPlainFileName("CONTENTS.XML"));
    EXPECT_TRUE(isPlainFileName("COM0.XML"));
    for (const char* name : {"", ".", "..", "../GVAR", "..\\GVAR", "C:GVAR", "/etc/passwd", "CON", "con.xml",
                             "Nul", "AUX.XML", "prn", "COM1", "lpt9.txt"})
        EXPECT_FALSE(isPlainFileName(name)) << name;
    EXPECT_EQ(dashedDate("20170531"), "2017-05-31");
    EXPECT_EQ(dashedDate("20160229"), "2016-02-29");
    EXPECT_EQ(dashedDate("20000229"), "2000-02-29");
    EXPECT_EQ(colonTime("194030"), "19:40:30");
    EXPECT_EQ(colonTime("000000"), "00:00:00");
    // Not dates or times of day: shown as unknown, never as written (a name is made of them).
    for (const char* date :
         {"2017531", "20170532", "20170229", "19000229", "20171301", "20170001", "../../x", "2017-05-31", ""})
        EXPECT_EQ(dashedDate(date), "\?\?\?\?-\?\?-\?\?") << date;
    for (const char* time : {"19403a", "240000", "196000", "194060", "19:40", ""})
        EXPECT_EQ(colonTime(time), "\?\?:\?\?:\?\?") << time;
    EXPECT_TRUE(clockWasNotSet("20000102"));
    EXPECT_TRUE(clockWasNotSet("20020615"));  // a reset clock that ran on for years
    EXPECT_FALSE(clockWasNotSet("20030101"));
    EXPECT_FALSE(clockWasNotSet("20170531"));
    EXPECT_FALSE(clockWasNotSet("20001399"));  // no date at all: shown as unknown instead
}

TEST(DiaryDay, EveryElementWithAValueIsKeptByItsPath)
{
    const DiaryDay day =
        readDiaryDay(bytesOf(dayFile(1234, "<NEW_THING><DEEP>x y</DEEP></NEW_THING><EMPTY/>")));
    EXPECT_EQ(day.problem, std::nullopt);
    EXPECT_EQ(diaryValue(day, "COMMON/VERSION"), "1.0");
    EXPECT_EQ(diaryValue(day, "SKILL/BALL"), "1234");
    EXPECT_EQ(diaryValue(day, "STATISTICS/WALK_DISTANCE"), "31");
    EXPECT_EQ(diaryValue(day, "NEW_THING/DEEP"), "x y");
    EXPECT_EQ(diaryValue(day, "EMPTY"), "");
    EXPECT_EQ(diaryValue(day, "SKILL"), std::nullopt);
    EXPECT_TRUE(isDiaryNumber("-12"));
    EXPECT_FALSE(isDiaryNumber("1.0"));
    EXPECT_FALSE(isDiaryNumber("-"));
    for (const char* number : {"1.0", "-2.50", "12"})
        EXPECT_TRUE(isDiaryDecimal(number)) << number;
    for (const char* other : {"1.", ".5", "1.2.3", "1.-2", "-", "1,0", ""})
        EXPECT_FALSE(isDiaryDecimal(other)) << other;
    EXPECT_EQ(skillPercent("1234"), "12.34%");
    EXPECT_EQ(skillPercent("7"), "0.07%");
    EXPECT_EQ(skillPercent("10000"), "100.00%");
    EXPECT_EQ(skillPercent("10001"), "10001");
    EXPECT_EQ(skillPercent("lots"), "lots");
    EXPECT_EQ(skillPercent(std::nullopt), "-");
}

// What a day file holds beyond a day's bounds is left out and said so; the rest is shown.
TEST(DiaryDay, ValuesBeyondADaysBoundsAreLeftOut)
{
    std::string many;
    for (int counter = 0; counter < 600; ++counter)
        many += "<C" + std::to_string(counter) + ">1</C" + std::to_string(counter) + ">";
    const DiaryDay crowded = readDiaryDay(bytesOf(dayFile(1234, "<MORE>" + many + "</MORE>")));
    EXPECT_TRUE(crowded.cut);
    EXPECT_EQ(crowded.fields.size(), 500u);
    EXPECT_EQ(diaryValue(crowded, "SKILL/BALL"), "1234");

    const std::string longName(200, 'N');
    const DiaryDay named =
        readDiaryDay(bytesOf(dayFile(1234, "<" + longName + ">5</" + longName + "><AFTER>6</AFTER>")));
    EXPECT_TRUE(named.cut);
    EXPECT_EQ(diaryValue(named, longName), std::nullopt);
    EXPECT_EQ(diaryValue(named, "AFTER"), "6");

    const std::string longValue(4000, '7');
    std::string heavy;
    for (int counter = 0; counter < 5; ++counter)
        heavy += "<V" + std::to_string(counter) + ">" + longValue + "</V" + std::to_string(counter) + ">";
    const DiaryDay weighty = readDiaryDay(bytesOf(dayFile(1234, heavy)));
    EXPECT_TRUE(weighty.cut);
    EXPECT_EQ(diaryValue(weighty, "V3"), longValue);
    EXPECT_EQ(diaryValue(weighty, "V4"), std::nullopt);  // past 16 KB of names and values

    // A value cut at the reader's bound is not the value: "5000" of "5000   ...   7".
    const DiaryDay cutShort = readDiaryDay(
        bytesOf(dayFile(1234, "<LONG>5000" + std::string(4100, ' ') + "7</LONG><AFTER>6</AFTER>")));
    EXPECT_TRUE(cutShort.cut);
    EXPECT_EQ(diaryValue(cutShort, "LONG"), std::nullopt);
    EXPECT_EQ(diaryValue(cutShort, "AFTER"), "6");
    // Blanks beyond the bound cut nothing: between the groups, or after a value.
    const DiaryDay blank = readDiaryDay(
        bytesOf(dayFile(1234, std::string(5000, '\n') + "<LONG>5000" + std::string(4100, ' ') + "</LONG>")));
    EXPECT_FALSE(blank.cut);
    EXPECT_EQ(diaryValue(blank, "LONG"), "5000");

    EXPECT_FALSE(readDiaryDay(bytesOf(dayFile(1234))).cut);
}

// A diary of four listed days: one compressed and named in lower case, one missing, one not
// well-formed, one escaping its folder; the index out of order.
class DiaryOnStickTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        stick.writeMarker();
        stick.write("OPEN-R/SYSTEM/VERSION", "any");
        stick.write("OPEN-R/APP/PC/DIARY/AIFILES.XML",
                    "<FILELIST>" + entry("AI170602.XML", "20170602", "200000") +
                        entry("AI170601.XML", "20170601", "193000") +
                        entry("AI170603.XML", "20170603", "090000") +
                        entry("AI170604.XML", "20170604", "090000") +
                        entry("../../DATA/P/GVAR", "20170605", "090000") + "</FILELIST>");
        const std::string first = dayFile(1200);
        stick.write("OPEN-R/APP/PC/DIARY/ai170601.xml",
                    stickgen::gzipCompressed(bytesOf(first), "AI170601.XML"));
        stick.write("OPEN-R/APP/PC/DIARY/AI170602.XML", dayFile(1300));
        stick.write("OPEN-R/APP/PC/DIARY/AI170603.XML", "<DIARYSRC><SKILL>");
    }

    test::TempStick stick;
    test::CurrentDirectoryGuard guard;
    test::ScriptedReading reading;
};

TEST_F(DiaryOnStickTest, DaysAreSortedAndEachSaysWhetherItWasRead)
{
    ASSERT_TRUE(changeDirectory(stick.rootPath()));
    const std::optional<Diary> diary = readDiary(reading);
    ASSERT_TRUE(diary);
    ASSERT_EQ(diary->days.size(), 5u);
    EXPECT_EQ(diary->days[0].listed.file, "AI170601.XML");
    EXPECT_EQ(diary->days[0].state, DiaryEntry::State::Ok);
    EXPECT_EQ(diaryValue(diary->days[0].day(), "SKILL/BALL"), "1200");
    EXPECT_EQ(diary->days[1].state, DiaryEntry::State::Ok);
    EXPECT_EQ(diary->days[2].state, DiaryEntry::State::Unreadable);
    EXPECT_TRUE(diary->days[2].day().fields.empty());
    EXPECT_EQ(diary->days[3].state, DiaryEntry::State::Missing);
    EXPECT_EQ(diary->days[4].state, DiaryEntry::State::Missing);
    EXPECT_EQ(diary->problems,
              (std::vector<std::string>{
                  "OPEN-R/APP/PC/DIARY/AI170603.XML: not well-formed XML (line 1)",
                  "OPEN-R/APP/PC/DIARY/AI170604.XML: listed in the diary index, not on the stick",
                  "the diary index names \"../../DATA/P/GVAR\", which is no file of its folder"}));
}

#ifndef _WIN32
// On a copy of a stick where names differ by letter case alone, the index's name as
// written is the file read, as every stick path finds it.
TEST_F(DiaryOnStickTest, TheNameAsWrittenComesFirst)
{
    stick.write("OPEN-R/APP/PC/DIARY/ai170602.xml", dayFile(4321));
    stick.write("OPEN-R/APP/PC/DIARY/AIFILES.XML",
                "<FILELIST>" + entry("ai170602.xml", "20170602", "200000") + "</FILELIST>");
    ASSERT_TRUE(changeDirectory(stick.rootPath()));
    const std::optional<Diary> diary = readDiary(reading);
    ASSERT_TRUE(diary);
    ASSERT_EQ(diary->days.size(), 1u);
    EXPECT_EQ(diaryValue(diary->days[0].day(), "SKILL/BALL"), "4321");
}

// A day file is opened only as a file its folder lists: a pipe under a listed name is not
// opened (opening it would wait for a writer), as on Windows a device name is not.
TEST_F(DiaryOnStickTest, OnlyTheFolderFilesAreOpened)
{
    ASSERT_EQ(mkfifo((stick.dir() / "OPEN-R" / "APP" / "PC" / "DIARY" / "AI170604.XML").c_str(), 0600), 0);
    ASSERT_TRUE(changeDirectory(stick.rootPath()));
    const std::optional<Diary> diary = readDiary(reading);
    ASSERT_TRUE(diary);
    EXPECT_EQ(diary->days[3].state, DiaryEntry::State::Missing);
    EXPECT_EQ(diary->problems[1],
              "OPEN-R/APP/PC/DIARY/AI170604.XML: listed in the diary index, not on the stick");
}
#endif

// Each listed file is told to the progress before it is read, in the index's order; a
// reading stopped there keeps the days read until then.
TEST_F(DiaryOnStickTest, TheProgressIsToldOfEachDayAndCanStopTheReading)
{
    ASSERT_TRUE(changeDirectory(stick.rootPath()));
    reading.stopAt = "OPEN-R/APP/PC/DIARY/AI170603.XML";
    const std::optional<Diary> diary = readDiary(reading);
    ASSERT_TRUE(diary);
    EXPECT_EQ(reading.read, (test::UiLog{"reading 1/5 OPEN-R/APP/PC/DIARY/AI170602.XML",
                                         "reading 2/5 OPEN-R/APP/PC/DIARY/AI170601.XML",
                                         "reading 3/5 OPEN-R/APP/PC/DIARY/AI170603.XML"}));
    ASSERT_EQ(diary->days.size(), 2u);
    EXPECT_EQ(diary->days[0].listed.file, "AI170601.XML");
    EXPECT_EQ(diary->days[1].listed.file, "AI170602.XML");
    EXPECT_TRUE(diary->problems.empty());
}

TEST_F(DiaryOnStickTest, TheCliPrintsCsvOldestFirstAndSaysWhatItCouldNotRead)
{
    const test::CliRun csv = test::runCli({"diary", stick.rootPath(), "--csv"});
    EXPECT_EQ(csv.status, 0);
    EXPECT_EQ(csv.out, "date,time,file,state,COMMON/VERSION,SKILL/BALL,SKILL/BONE,SKILL/WALK,SKILL/BABY,"
                       "STATISTICS/WALK_DISTANCE,STATISTICS/OPERATION_TIME\r\n"
                       "2017-06-01,19:30:00,AI170601.XML,ok,1.0,1200,250,10000,7,31,412\r\n"
                       "2017-06-02,20:00:00,AI170602.XML,ok,1.0,1300,250,10000,7,31,412\r\n"
                       "2017-06-03,09:00:00,AI170603.XML,unreadable,,,,,,,\r\n"
                       "2017-06-04,09:00:00,AI170604.XML,missing,,,,,,,\r\n"
                       "2017-06-05,09:00:00,../../DATA/P/GVAR,missing,,,,,,,\r\n");
    EXPECT_NE(csv.err.find("AI170604.XML: listed in the diary index, not on the stick\n"), std::string::npos);

    const test::CliRun table = test::runCli({"diary", stick.rootPath()});
    EXPECT_EQ(table.status, 0);
    EXPECT_NE(table.out.find("\n2017-06-02  20:00:00        412        31  13.00%   2.50% 100.00%   0.07%    "
                             "   -      -     -"),
              std::string::npos)
        << table.out;
    EXPECT_LT(table.out.find("2017-06-02"), table.out.find("2017-06-01"));

    stick.write("OPEN-R/APP/PC/DIARY/AIFILES.XML", "<FILELIST><ENTRY>");
    const test::CliRun broken = test::runCli({"diary", stick.rootPath(), "--csv"});
    EXPECT_EQ(broken.status, 1);
    EXPECT_EQ(broken.out, "");
    EXPECT_EQ(broken.err, "OPEN-R/APP/PC/DIARY/AIFILES.XML: not well-formed XML (line 1)\n");

    // Without the index nothing vouches for the day files' dates: they are counted, not shown.
    stick.remove("OPEN-R/APP/PC/DIARY/AIFILES.XML");
    const test::CliRun unindexed = test::runCli({"diary", stick.rootPath()});
    EXPECT_EQ(unindexed.status, 1);
    EXPECT_EQ(unindexed.out, "");
    EXPECT_EQ(unindexed.err,
              "No diary on this stick\nOPEN-R/APP/PC/DIARY/AIFILES.XML: not on the stick; the 3 "
              "day files of its folder cannot be shown without it\n");

    for (const char* day : {"ai170601.xml", "AI170602.XML", "AI170603.XML"})
        stick.remove("OPEN-R/APP/PC/DIARY/" + std::string(day));
    stick.write("OPEN-R/APP/PC/DIARY/NOTES.TXT", "not a day");
    const test::CliRun none = test::runCli({"diary", stick.rootPath()});
    EXPECT_EQ(none.status, 1);
    EXPECT_EQ(none.err, "No diary on this stick\n");
}

// An index that lists a file again gives the same day again, read once and held once: what
// could not be read of it is said once.
TEST_F(DiaryOnStickTest, AFileListedTwiceIsOneDayReadOnce)
{
    stick.write("OPEN-R/APP/PC/DIARY/AIFILES.XML",
                "<FILELIST>" + entry("AI170602.XML", "20170602", "200000") +
                    entry("AI170603.XML", "20170603", "090000") +
                    entry("ai170602.xml", "20170607", "080000") +
                    entry("AI170603.XML", "20170608", "090000") + "</FILELIST>");
    ASSERT_TRUE(changeDirectory(stick.rootPath()));
    const std::optional<Diary> diary = readDiary(reading);
    ASSERT_TRUE(diary);
    ASSERT_EQ(diary->days.size(), 4u);
    EXPECT_EQ(diary->days[2].listed.file, "ai170602.xml");
    EXPECT_EQ(diary->days[2].listed.date, "20170607");
    EXPECT_EQ(diaryValue(diary->days[2].day(), "SKILL/BALL"), "1300");
    EXPECT_EQ(&diary->days[2].day(), &diary->days[0].day());
    EXPECT_EQ(diary->days[3].state, DiaryEntry::State::Unreadable);
    EXPECT_EQ(diary->problems,
              std::vector<std::string>{"OPEN-R/APP/PC/DIARY/AI170603.XML: not well-formed XML (line 1)"});
}

// The chart's lines, at pixels worked out here from its layout: a plot from (10, 10) to
// (630, 310); a level's 100% at y 11, its 0% at y 308; the first day at x 11, the last at 628.
class PixelLog : public Canvas {
public:
    void fillRect(const PixelRect& rect, RgbColor color) override
    {
        for (int y = rect.top; y < rect.bottom; ++y)
            for (int x = rect.left; x < rect.right; ++x)
                setPixel(x, y, color);
    }
    void setPixel(int x, int y, RgbColor color) override
    {
        if (x >= 0 && y >= 0 && x < kDiaryChartWidth && y < kDiaryChartHeight)
            pixels[static_cast<std::size_t>(y * kDiaryChartWidth + x)] = color;
    }
    RgbColor at(int x, int y) const { return pixels[static_cast<std::size_t>(y * kDiaryChartWidth + x)]; }
    std::vector<RgbColor> pixels = std::vector<RgbColor>(kDiaryChartWidth * kDiaryChartHeight, 1);
};

TEST_F(DiaryOnStickTest, TheChartDrawsTheReadDaysFromLeftToRight)
{
    ASSERT_TRUE(changeDirectory(stick.rootPath()));
    PixelLog chart;
    drawDiaryChart(*readDiary(reading), chart);
    const RgbColor walk = rgbColor(133, 153, 0);
    EXPECT_EQ(chart.at(11, 11), walk);   // 100% on the first day read
    EXPECT_EQ(chart.at(628, 11), walk);  // and on the second, at the right
    EXPECT_EQ(chart.at(320, 11), walk);  // the line between them
    EXPECT_EQ(chart.at(5, 5), rgbColor(255, 255, 255));
    EXPECT_EQ(std::count(chart.pixels.begin(), chart.pixels.end(), 1u), 0) << "every pixel is painted";
}

// A level the chart cannot place truly (over 100%) is a gap, not a point at the top: the
// first day's ball level stands alone, its 3 x 3 dot at (11, 273).
TEST_F(DiaryOnStickTest, TheChartLeavesAValueOutOfRangeOut)
{
    stick.write("OPEN-R/APP/PC/DIARY/AI170602.XML", dayFile(20000));
    ASSERT_TRUE(changeDirectory(stick.rootPath()));
    PixelLog chart;
    drawDiaryChart(*readDiary(reading), chart);
    const RgbColor ball = rgbColor(220, 50, 47);
    EXPECT_EQ(chart.at(11, 273), ball);
    EXPECT_EQ(std::count(chart.pixels.begin(), chart.pixels.end(), ball), 9);
}

}  // namespace
}  // namespace morvane
