// The robot's photos and voice recordings: the capture time inside a photo, a recording's
// format and length, read from bytes written out here; and the album and the slots of the
// sample stick through morvane-cli, copies included.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "base/Utf8Path.h"
#include "pc/JpegPicture.h"
#include "pc/PhotoCaptureTime.h"
#include "pc/VoiceRecording.h"
#include "stick/OsFile.h"
#include "tests/support/CliRun.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/SampleStick.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes operator+(Bytes a, const Bytes& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const Bytes kStart{0xFF, 0xD8};
const Bytes kJfif{0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0, 1, 1, 0, 0, 1, 0, 1, 0, 0};
const Bytes kScan{0xFF, 0xDA, 0x00, 0x02};
// 2017-03-28, a Tuesday, 19:20:10, then two bytes nobody reads.
const Bytes kCapture{0xFF, 0xE0, 0x00, 0x14, 'A', 'I', 'B', 'O', 0,  0x02, 0x00,
                     0,    0xE1, 0x07, 3,    28,  2,   19,  20,  10, 0x55, 0xAA};

std::string timeOf(const Bytes& jpeg)
{
    const std::variant<CaptureTime, std::string> read = readCaptureTime(jpeg);
    if (const auto* time = std::get_if<CaptureTime>(&read))
        return time->dateText() + " " + time->timeText() + " day " + std::to_string(time->weekday);
    return std::get<std::string>(read);
}

TEST(PhotoCaptureTime, IsReadFromTheRobotsSegmentAfterTheJfifOne)
{
    EXPECT_EQ(timeOf(kStart + kJfif + kCapture + kScan), "2017-03-28 19:20:10 day 2");
    EXPECT_EQ(timeOf(kStart + Bytes{0xFF, 0xFF} + kJfif + kCapture),
              "2017-03-28 19:20:10 day 2");  // fill bytes
    EXPECT_EQ(timeOf(kStart + kJfif + kScan + kCapture), "no capture-time segment");
    EXPECT_EQ(timeOf(Bytes{'G', 'I', 'F'} + kCapture), "not a JPEG");
    EXPECT_EQ(timeOf(kStart + kJfif + Bytes(kCapture.begin(), kCapture.end() - 3)), "cut short");
    EXPECT_EQ(timeOf(kStart + Bytes{0xFF, 0xE1, 0xFF, 0xFF, 0x00}), "cut short");  // a length beyond the file
    Bytes thirteenth = kCapture;
    thirteenth[14] = 13;
    EXPECT_EQ(timeOf(kStart + kJfif + thirteenth), "a capture time that is no time");
    Bytes thirtyFirstOfFebruary = kCapture;
    thirtyFirstOfFebruary[14] = 2;
    thirtyFirstOfFebruary[15] = 31;
    EXPECT_EQ(timeOf(kStart + kJfif + thirtyFirstOfFebruary), "a capture time that is no time");
}

std::string pictureOf(const Bytes& jpeg)
{
    const std::variant<RgbImage, std::string> decoded = decodeJpeg(jpeg);
    if (const auto* image = std::get_if<RgbImage>(&decoded))
        return std::to_string(image->width) + " x " + std::to_string(image->height) + ", " +
               std::to_string(image->rgb.size()) + " bytes";
    return std::get<std::string>(decoded);
}

// A frame header alone: baseline, 8 bits, `height` x `width`, three components.
Bytes frameOf(int height, int width)
{
    return kStart + Bytes{0xFF,
                          0xC0,
                          0x00,
                          0x11,
                          8,
                          static_cast<std::uint8_t>(height >> 8),
                          static_cast<std::uint8_t>(height & 0xFF),
                          static_cast<std::uint8_t>(width >> 8),
                          static_cast<std::uint8_t>(width & 0xFF),
                          3,
                          1,
                          0x22,
                          0,
                          2,
                          0x11,
                          1,
                          3,
                          0x11,
                          1};
}

// The sample's photo and thumbnail decode to their sizes, the ball's pink at its centre
// (less what JPEG loses); a picture too large is refused from its header, before its
// pixels would be allocated, and a file too large before it is looked at.
TEST(JpegPicture, DecodesTheRobotsPhotosAndRefusesHugeOnes)
{
    test::TempStick stick;
    ASSERT_EQ(stickgen::writeSampleStick(stick.dir()), std::nullopt);
    const auto read = [&](const char* file) {
        std::ifstream in(stick.dir() / "OPEN-R" / "APP" / "PC" / "PHOTO" / file, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    };
    EXPECT_EQ(pictureOf(read("IMG00001.JPG")), "416 x 320, 399360 bytes");
    EXPECT_EQ(pictureOf(read("THM00001.JPG")), "104 x 80, 24960 bytes");
    const RgbImage photo = std::get<RgbImage>(decodeJpeg(read("IMG00001.JPG")));
    const std::size_t ball = (220 * 416 + 80) * 3;  // the first photo's ball is centred at (80, 220)
    EXPECT_NEAR(photo.rgb[ball], 250, 8);
    EXPECT_NEAR(photo.rgb[ball + 1], 120, 8);
    EXPECT_NEAR(photo.rgb[ball + 2], 190, 8);

    EXPECT_EQ(pictureOf(frameOf(4097, 100)), "larger than 4096 x 4096 pixels");
    EXPECT_EQ(pictureOf(frameOf(100, 60000)), "larger than 4096 x 4096 pixels");
    EXPECT_EQ(pictureOf(Bytes(4 * 1024 * 1024 + 1, 0xFF)), "larger than 4 MB");
    EXPECT_EQ(pictureOf(Bytes{'G', 'I', 'F', '8', '9', 'a'}), "not a picture that can be read");
    const Bytes cut = read("IMG00002.JPG");
    EXPECT_EQ(pictureOf(Bytes(cut.begin(), cut.begin() + 200)), "not a picture that can be read");
}

Bytes le32(std::uint32_t value)
{
    return {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
}

Bytes tag(const char (&text)[5]) { return {Bytes(text, text + 4)}; }

// fmt chunk: PCM, mono, `rate` samples a second, 8 bits.
Bytes format(std::uint32_t rate, std::uint8_t bits = 8)
{
    return tag("fmt ") + le32(16) + Bytes{1, 0, 1, 0} + le32(rate) + le32(rate) + Bytes{1, 0, bits, 0};
}

Bytes wave(const Bytes& chunks)
{
    return tag("RIFF") + le32(static_cast<std::uint32_t>(4 + chunks.size())) + tag("WAVE") + chunks;
}

std::string recordingOf(const Bytes& file)
{
    const std::variant<VoiceRecording, std::string> read = readVoiceRecording(file);
    if (const auto* recording = std::get_if<VoiceRecording>(&read))
        return recording->secondsText() + (recording->silent ? " empty" : " recorded");
    return std::get<std::string>(read);
}

TEST(VoiceRecording, LengthAndSilenceOfEightKilohertzEightBitMono)
{
    Bytes quiet(12000, 128);
    quiet[5] = 127;
    quiet[6] = 129;
    EXPECT_EQ(recordingOf(wave(format(8000) + tag("data") + le32(12000) + quiet)), "1.5 empty");
    Bytes spoken = quiet;
    spoken[100] = 140;
    // An odd-sized chunk the program does not know comes first, with its pad byte.
    EXPECT_EQ(recordingOf(wave(format(8000) + tag("LIST") + le32(3) + Bytes{1, 2, 3, 0} + tag("data") +
                               le32(12000) + spoken)),
              "1.5 recorded");
    EXPECT_EQ(recordingOf(wave(format(11025) + tag("data") + le32(4) + Bytes(4, 128))),
              "not 8 kHz 8-bit mono PCM");
    EXPECT_EQ(recordingOf(wave(format(8000, 16) + tag("data") + le32(4) + Bytes(4, 128))),
              "not 8 kHz 8-bit mono PCM");
    EXPECT_EQ(recordingOf(wave(format(8000) + tag("data") + le32(4000000000u) + Bytes(10, 128))),
              "its data size says 4000000000 bytes, the file holds 10");
    // Too small a size would leave spoken samples out, and call the slot empty: what follows
    // the data must be chunks.
    EXPECT_EQ(
        recordingOf(wave(format(8000) + tag("data") + le32(8000) + Bytes(8000, 128) + Bytes(32000, 200))),
        "its data size says 8000 bytes, and bytes that are no chunk follow them");
    // Chunks after the data, the last cut short; an odd size with or without its pad byte;
    // a few stray bytes at the end.
    EXPECT_EQ(recordingOf(wave(format(8000) + tag("data") + le32(3) + Bytes{128, 128, 128, 0} + tag("LIST") +
                               le32(2) + Bytes{1, 2} + tag("id3 ") + le32(100) + Bytes{1})),
              "0.0 empty");
    EXPECT_EQ(recordingOf(
                  wave(format(8000) + tag("data") + le32(3) + Bytes{128, 128, 128} + tag("LIST") + le32(0))),
              "0.0 empty");
    EXPECT_EQ(recordingOf(wave(format(8000) + tag("data") + le32(4) + Bytes(4, 128) + Bytes{0, 0, 0})),
              "0.0 empty");
    EXPECT_EQ(recordingOf(wave(format(8000))), "cut short");
    EXPECT_EQ(recordingOf(tag("RIFX") + le32(4) + tag("WAVE")), "not a WAVE file");
}

std::string fileText(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

// The copies are the stick's bytes; the photos are named by when they were taken and
// dated so, in the computer's local time as the robot's clock was.
TEST(PhotosAndVoicesCli, CopiesAreTheSticksBytesNamedAndDated)
{
    test::TempStick folder;
    const fs::path stick = folder.dir() / "stick";
    ASSERT_EQ(stickgen::writeSampleStick(stick, true),
              std::nullopt);  // compressed, as the robot may store them
    const fs::path out = folder.dir() / "out";
    ASSERT_EQ(test::runCli({"photos", utf8Text(stick), "--out", utf8Text(out / "photos")}).status, 0);
    ASSERT_EQ(test::runCli({"voices", utf8Text(stick), "--out", utf8Text(out / "voices")}).status, 0);
    const test::CliRun plain = test::runCli({"voices", utf8Text(stick)});
    EXPECT_NE(plain.out.find("0021.WAV 20.0 recorded\n"), std::string::npos);

    test::TempStick uncompressed;
    ASSERT_EQ(stickgen::writeSampleStick(uncompressed.dir()), std::nullopt);
    const fs::path photo = out / "photos" / "2017-05-25_192010_IMG00001.JPG";
    EXPECT_EQ(fileText(photo),
              fileText(uncompressed.dir() / "OPEN-R" / "APP" / "PC" / "PHOTO" / "IMG00001.JPG"));
    EXPECT_EQ(fileText(out / "voices" / "0021.WAV"),
              fileText(uncompressed.dir() / "OPEN-R" / "APP" / "PC" / "VOICE" / "0021.WAV"));
    EXPECT_FALSE(fs::exists(out / "voices" / "0001.WAV"));

    std::tm taken{};
    taken.tm_year = 117;
    taken.tm_mon = 4;
    taken.tm_mday = 25;
    taken.tm_hour = 19;
    taken.tm_min = 20;
    taken.tm_sec = 10;
    taken.tm_isdst = -1;
    const auto expected =
        std::chrono::file_clock::from_sys(std::chrono::system_clock::from_time_t(std::mktime(&taken)));
    EXPECT_EQ(std::chrono::duration_cast<std::chrono::seconds>(fs::last_write_time(photo) - expected).count(),
              0);
}

// Copies land in the folder asked for, given relative to where the command was run, under
// names the stick cannot steer elsewhere; a different file already there is kept, the same
// one is left as it is, so copying again succeeds.
TEST(PhotosAndVoicesCli, CopiesStayInTheChosenFolderAndKeepWhatIsThere)
{
    test::TempStick folder;
    const fs::path stick = folder.dir() / "stick";
    ASSERT_EQ(stickgen::writeSampleStick(stick), std::nullopt);
    const fs::path index = stick / "OPEN-R" / "APP" / "PC" / "DIARY" / "IMGFILES.XML";
    std::string listed = fileText(index);
    listed.replace(listed.find("20170525"), 8, "../../x");
    std::ofstream(index, std::ios::binary) << listed;
    const fs::path voices = stick / "OPEN-R" / "APP" / "PC" / "VOICE";
    const std::string recording = fileText(voices / "0021.WAV");
    fs::remove(voices / "0021.WAV");  // then written anew: a rename may keep the old letter case
    std::ofstream(voices / "0021.wAv", std::ios::binary) << recording;

    test::CurrentDirectoryGuard guard;
    ASSERT_TRUE(changeDirectory(utf8Text(folder.dir())));
    fs::create_directories(folder.dir() / "out");
    std::ofstream(folder.dir() / "out" / "2017-05-27_081500_IMG00002.JPG") << "the owner's own";
    const test::CliRun photos = test::runCli({"photos", utf8Text(stick), "--out", "out"});
    EXPECT_EQ(photos.status, 1);
    EXPECT_NE(photos.out.find("OWNER \?\?\?\?-\?\?-\?\? 19:20:10 IMG00001.JPG\n"), std::string::npos)
        << photos.out;
    EXPECT_EQ(photos.err, "morvane-cli: cannot write " +
                              utf8Text(folder.dir() / "out" / "2017-05-27_081500_IMG00002.JPG") +
                              ": a different file of that name is there\n");
    EXPECT_EQ(fileText(folder.dir() / "out" / "2017-05-27_081500_IMG00002.JPG"), "the owner's own");
    EXPECT_TRUE(fs::exists(folder.dir() / "out" / "IMG00001.JPG"));  // undated, under its own name
    EXPECT_TRUE(fs::exists(folder.dir() / "out" / "2017-05-28_120030_IMG00003.JPG"));
    EXPECT_FALSE(fs::exists(folder.dir() / "x_192010_IMG00001.JPG"));
    EXPECT_FALSE(fs::exists(stick / "out"));
    std::size_t copies = 0;
    for (const fs::directory_entry& copy : fs::directory_iterator(folder.dir() / "out"))
        copies += copy.path().extension() == ".JPG" ? 1 : 0;
    EXPECT_EQ(copies, 5u);  // four copied beside the owner's own; nothing half-written left

    fs::remove(folder.dir() / "out" / "2017-05-27_081500_IMG00002.JPG");
    EXPECT_EQ(test::runCli({"photos", utf8Text(stick), "--out", "out"}).status, 0);  // again, the same

    const test::CliRun recordings = test::runCli({"voices", utf8Text(stick), "--out", "recordings"});
    EXPECT_EQ(recordings.status, 0) << recordings.err;
    EXPECT_NE(recordings.out.find("0021.wAv 20.0 recorded\n"), std::string::npos) << recordings.out;
    EXPECT_TRUE(fs::exists(folder.dir() / "recordings" / "0021.wAv"));
    EXPECT_FALSE(fs::exists(stick / "recordings"));
}

// An unlisted photo is dated by its capture time wherever that stands, also past a large
// segment of another program's before it; one without is said to be so.
TEST(PhotosAndVoicesCli, UnlistedPhotosAreDatedByTheirCaptureTime)
{
    test::TempStick stick;
    stick.writeMarker();
    stick.write("OPEN-R/SYSTEM/VERSION", "any");
    Bytes large(4 + 0xFFFD, 'x');  // an APP1 segment of the largest length
    large[0] = 0xFF;
    large[1] = 0xE1;
    large[2] = 0xFF;
    large[3] = 0xFF;
    const Bytes late = kStart + kJfif + large + large + kCapture + kScan;
    stick.write("OPEN-R/APP/PC/PHOTO/IMG00007.JPG", late);
    stick.write("OPEN-R/APP/PC/PHOTO/IMG00008.JPG", kStart + kJfif + kCapture + kScan);
    stick.write("OPEN-R/APP/PC/PHOTO/IMG00009.JPG", kStart + kJfif + kScan);
    const test::CliRun photos = test::runCli({"photos", stick.rootPath()});
    EXPECT_EQ(photos.status, 0);
    EXPECT_EQ(photos.out,
              "UNLISTED 2017-03-28 19:20:10 IMG00007.JPG\nUNLISTED 2017-03-28 19:20:10 IMG00008.JPG\n"
              "UNLISTED \?\?\?\?-\?\?-\?\? \?\?:\?\?:\?\? IMG00009.JPG\n");
    EXPECT_EQ(photos.err, "OPEN-R/APP/PC/PHOTO/IMG00009.JPG: no capture-time segment\n");
}

// A stick without a photo, or whose album cannot be read at all, has no photos to show.
TEST(PhotosAndVoicesCli, NoPhotoIsNoAlbum)
{
    test::TempStick stick;
    stick.writeMarker();
    stick.write("OPEN-R/SYSTEM/VERSION", "any");
    stick.write("OPEN-R/APP/PC/PHOTO/README.TXT", "not a photo");
    const test::CliRun empty = test::runCli({"photos", stick.rootPath()});
    EXPECT_EQ(empty.status, 1);
    EXPECT_EQ(empty.err, "No photos on this stick\n");

    stick.write("OPEN-R/APP/PC/DIARY/IMGFILES.XML", "<PHOTOLIST><PHOTO ID=\"OWNER\">");
    const test::CliRun broken = test::runCli({"photos", stick.rootPath()});
    EXPECT_EQ(broken.status, 1);
    EXPECT_EQ(broken.out, "");
    EXPECT_EQ(broken.err,
              "OPEN-R/APP/PC/DIARY/IMGFILES.XML: not well-formed XML (line 1)\nNo photos on this stick\n");

    stick.write("OPEN-R/APP/PC/DIARY/IMGFILES.XML", std::string((4 << 20) + 1, ' '));
    EXPECT_EQ(test::runCli({"photos", stick.rootPath()}).err,
              "OPEN-R/APP/PC/DIARY/IMGFILES.XML: larger than 4 MB, not read\nNo photos on this stick\n");
}

#ifndef _WIN32
// A copy of a stick on a disk of this system may hold a name with '\\' in it, which no
// stick path names: such a file is neither listed nor copied out of its folder.
TEST(PhotosAndVoicesCli, ANameWithABackslashIsNoRecordingOfTheStick)
{
    test::TempStick folder;
    const fs::path stick = folder.dir() / "stick";
    ASSERT_EQ(stickgen::writeSampleStick(stick), std::nullopt);
    const fs::path voices = stick / "OPEN-R" / "APP" / "PC" / "VOICE";
    fs::copy_file(voices / "0021.WAV", voices / "..\\..\\0099.WAV");
    const test::CliRun recordings =
        test::runCli({"voices", utf8Text(stick), "--out", utf8Text(folder.dir() / "a" / "b")});
    EXPECT_EQ(recordings.status, 0) << recordings.err;
    EXPECT_EQ(recordings.out.find("0099"), std::string::npos) << recordings.out;
    EXPECT_FALSE(fs::exists(folder.dir() / "0099.WAV"));
    EXPECT_TRUE(fs::exists(folder.dir() / "a" / "b" / "0021.WAV"));
}

// On a copy where two photos differ in letter case alone, the index's name as written is
// the photo it lists; the other is unlisted.
TEST(PhotosAndVoicesCli, TheListedNameAsWrittenIsTheListedPhoto)
{
    test::TempStick stick;
    ASSERT_EQ(stickgen::writeSampleStick(stick.dir()), std::nullopt);
    stick.write("OPEN-R/APP/PC/PHOTO/img00002.jpg", stick.read("OPEN-R/APP/PC/PHOTO/IMG00002.JPG"));
    stick.write("OPEN-R/APP/PC/PHOTO/IMG00002.JPG", stick.read("OPEN-R/APP/PC/PHOTO/IMG00003.JPG"));
    const std::vector<std::uint8_t> bytes = stick.read("OPEN-R/APP/PC/DIARY/IMGFILES.XML");
    std::string index(bytes.begin(), bytes.end());
    index.replace(index.find("IMG00002.JPG"), 12, "img00002.jpg");
    stick.write("OPEN-R/APP/PC/DIARY/IMGFILES.XML", index);
    const std::string shown = test::runCli({"photos", stick.rootPath()}).out;
    EXPECT_NE(shown.find("OWNER 2017-05-27 08:15:00 img00002.jpg\n"), std::string::npos) << shown;
    EXPECT_NE(shown.find("UNLISTED 2017-05-28 12:00:30 IMG00002.JPG\n"), std::string::npos) << shown;
}
#endif

}  // namespace
}  // namespace morvane
