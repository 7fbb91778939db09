// The Photo Album command against a scripted window: the model's lines are morvane-cli's,
// thumbnails are decoded only when asked for and take the window's place for them, a photo
// opens decoded or says why it cannot, and Save Photos copies them all as photos --out
// does, under the progress window.
#include <gtest/gtest.h>

#include <chrono>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>

#include "base/Utf8Path.h"
#include "dialogs/PhotoAlbumViewer.h"
#include "stick/OsFile.h"
#include "tests/support/CliRun.h"
#include "tests/support/CurrentDirectoryGuard.h"
#include "tests/support/ScriptedUi.h"
#include "tests/support/TempStick.h"
#include "tools/stickgen/PcFolderFiles.h"
#include "tools/stickgen/SampleStick.h"
#include "ui/PictureFit.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

// Runs `press` on the records as the owner's clicks would, keeping what the window showed.
class PressingPhotoView : public PhotoAlbumView {
public:
    void runModal(PhotoRecords& album) override
    {
        lines = album.lines();
        problems = album.problems();
        press(album);
    }
    std::function<void(PhotoRecords&)> press = [](PhotoRecords&) {};
    Lines lines;
    Lines problems;
};

std::array<int, 3> pixel(const RgbImage& image, int x, int y)
{
    const std::uint8_t* at = image.rgb.data() + (y * image.width + x) * 3;
    return {at[0], at[1], at[2]};
}

class PhotoAlbumViewerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(stickgen::writeSampleStick(stick.dir()), std::nullopt); }
    // The album read and shown; the progress window is due after `patience`.
    bool view(std::chrono::milliseconds patience = std::chrono::hours(1))
    {
        EXPECT_TRUE(changeDirectory(stick.rootPath()));
        ViewerReading reading(ui.progress, "Photo Album", patience);
        const StickRoot root = stick.stickRoot();
        return viewPhotoAlbum({ui.messages, ui.saveDialog, ui.progress, root}, reading, window);
    }
    static std::string photoFile(const char* name) { return std::string("OPEN-R/APP/PC/PHOTO/") + name; }

    test::TempStick stick;
    test::TempStick elsewhere;
    test::CurrentDirectoryGuard guard;
    test::ScriptedUi ui;
    PressingPhotoView window;
};

// Of the album only the unlisted photos are read one by one, each shown in the progress window
// once it is due; its Cancel opens no window.
TEST_F(PhotoAlbumViewerTest, UnlistedPhotosShowInTheProgressWindowWhoseCancelOpensNoWindow)
{
    EXPECT_TRUE(view(std::chrono::milliseconds(0)));
    EXPECT_EQ(ui.log, (Lines{"progress open Photo Album", "progress 1/1 OPEN-R/APP/PC/PHOTO/IMG00006.JPG",
                             "progress closed"}));
    window.lines.clear();
    ui.log.clear();
    ui.progress.cancelAt = "OPEN-R/APP/PC/PHOTO/IMG00006.JPG";
    EXPECT_FALSE(view(std::chrono::milliseconds(0)));
    EXPECT_TRUE(window.lines.empty());
    EXPECT_EQ(ui.log.back(), "progress closed");
}

TEST_F(PhotoAlbumViewerTest, ShowsTheCliLinesAndDecodesOnlyWhatIsAskedFor)
{
    const std::string printed = test::runCli({"photos", stick.rootPath()}).out;
    std::vector<RgbImage> thumbnails;
    std::optional<RgbImage> photo;
    window.press = [&](PhotoRecords& album) {
        // Spoilt once the window is open: a thumbnail read before it was asked for would
        // still show the picture.
        stick.write(photoFile("THM00002.JPG"), "not a picture");
        for (std::size_t line : {0u, 1u, 4u})
            thumbnails.push_back(album.thumbnail(line));
        photo = album.photo(0);
        EXPECT_EQ(&album.thumbnail(0), &album.thumbnail(0));
    };
    EXPECT_TRUE(view());
    std::string shown;
    for (const std::string& line : window.lines)
        shown += line + "\n";
    EXPECT_EQ(shown, printed);
    EXPECT_EQ(window.problems, Lines{});
    ASSERT_EQ(thumbnails.size(), 3u);
    for (const RgbImage& thumbnail : thumbnails) {
        EXPECT_EQ(thumbnail.width, 104);
        EXPECT_EQ(thumbnail.height, 80);
    }
    // An unreadable thumbnail and a missing photo are a light grey field in a grey frame.
    for (const RgbImage& empty : {thumbnails[1], thumbnails[2]}) {
        EXPECT_EQ(pixel(empty, 0, 0), (std::array<int, 3>{0xA0, 0xA0, 0xA0}));
        EXPECT_EQ(pixel(empty, 103, 40), (std::array<int, 3>{0xA0, 0xA0, 0xA0}));
        EXPECT_EQ(pixel(empty, 52, 40), (std::array<int, 3>{0xE0, 0xE0, 0xE0}));
    }
    EXPECT_NE(pixel(thumbnails[0], 52, 40), (std::array<int, 3>{0xE0, 0xE0, 0xE0}));
    ASSERT_TRUE(photo);
    EXPECT_EQ(photo->width, 416);
    EXPECT_EQ(photo->height, 320);
    EXPECT_EQ(ui.log, Lines{});
}

TEST_F(PhotoAlbumViewerTest, AThumbnailOfAnotherSizeIsCentredOnWhite)
{
    std::vector<std::uint8_t> red;
    for (int n = 0; n < 52 * 40; ++n)
        red.insert(red.end(), {255, 0, 0});
    stick.write(photoFile("THM00001.JPG"), stickgen::plainJpeg(red, 52, 40));
    RgbImage thumbnail;
    window.press = [&](PhotoRecords& album) { thumbnail = album.thumbnail(0); };
    EXPECT_TRUE(view());
    ASSERT_EQ(thumbnail.width, 104);
    EXPECT_EQ(pixel(thumbnail, 10, 10), (std::array<int, 3>{255, 255, 255}));
    const std::array<int, 3> middle = pixel(thumbnail, 52, 40);
    EXPECT_GT(middle[0], 240);
    EXPECT_LT(middle[1], 16);
    EXPECT_EQ(pixel(thumbnail, 25, 19), (std::array<int, 3>{255, 255, 255}));
}

TEST_F(PhotoAlbumViewerTest, APhotoThatCannotBeShownSaysWhy)
{
    const std::vector<std::uint8_t> whole = stick.read(photoFile("IMG00003.JPG"));
    stick.write(photoFile("IMG00003.JPG"), std::span(whole).first(600));
    stick.write(photoFile("IMG00004.JPG"), std::vector<std::uint8_t>((4 << 20) + 1, 0xFF));
    window.press = [](PhotoRecords& album) {
        EXPECT_FALSE(album.photo(2));
        EXPECT_FALSE(album.photo(3));
        EXPECT_FALSE(album.photo(4));
    };
    EXPECT_TRUE(view());
    EXPECT_EQ(ui.log, (Lines{"message: Cannot show IMG00003.JPG: it is not a picture that can be read",
                             "message: Cannot show IMG00004.JPG: it is larger than 4 MB",
                             "message: IMG00005.JPG is not on the stick"}));

    fs::remove_all(stick.dir() / "OPEN-R" / "APP" / "PC" / "PHOTO");
    fs::remove(stick.dir() / "OPEN-R" / "APP" / "PC" / "DIARY" / "IMGFILES.XML");
    ui.log.clear();
    EXPECT_FALSE(view());
    EXPECT_EQ(ui.log, Lines{"message: No photos on this stick"});
}

TEST_F(PhotoAlbumViewerTest, SavePhotosCopiesEachPhotoAsTheCliNamesIt)
{
    const fs::path folder = elsewhere.dir() / "Robot photos";
    ui.saveDialog.choices = {utf8Text(folder)};
    window.press = [](PhotoRecords& album) { album.savePhotos(); };
    EXPECT_TRUE(view());
    EXPECT_EQ(ui.log,
              (Lines{"save dialog Save Photos: Robot photos", "progress open Save Photos",
                     "progress 1/5 IMG00001.JPG", "progress 2/5 IMG00002.JPG", "progress 3/5 IMG00003.JPG",
                     "progress 4/5 IMG00004.JPG", "progress 5/5 IMG00006.JPG", "progress closed",
                     "message: Copied 5 photos to " + utf8Text(folder)}));
    std::ifstream copy(folder / "2017-05-31_211000_IMG00006.JPG", std::ios::binary);
    EXPECT_EQ(stick.read(photoFile("IMG00006.JPG")),
              std::vector<std::uint8_t>(std::istreambuf_iterator<char>(copy), {}));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 5);
}

// Photos are not copied onto the stick, where a copy could replace one of its files.
TEST_F(PhotoAlbumViewerTest, SavePhotosRefusesAFolderOnTheStick)
{
    const fs::path photos = stick.dir() / "OPEN-R" / "APP" / "PC" / "PHOTO";
    const auto filesInPhotos = [&photos] {
        return std::distance(fs::directory_iterator(photos), fs::directory_iterator());
    };
    const auto before = filesInPhotos();
    const std::string onStick = utf8Text(photos);
    ui.saveDialog.choices = {onStick};
    window.press = [](PhotoRecords& album) { album.savePhotos(); };
    EXPECT_TRUE(view());
    EXPECT_EQ(ui.log, (Lines{"save dialog Save Photos: Robot photos",
                             "message: Cannot write " + onStick +
                                 ": it lies inside the stick; nothing was written"}));
    EXPECT_EQ(filesInPhotos(), before);
}

TEST_F(PhotoAlbumViewerTest, CancelAndUnreadablePhotosAreTold)
{
    const fs::path folder = elsewhere.dir() / "kept";
    ui.saveDialog.choices = {utf8Text(folder)};
    ui.progress.cancelAt = "IMG00003.JPG";
    stick.write(photoFile("IMG00002.JPG"), std::vector<std::uint8_t>((4 << 20) + 1, 0xFF));
    window.press = [](PhotoRecords& album) {
        album.savePhotos();
        album.savePhotos();  // the save dialog cancelled: nothing is copied or told
    };
    EXPECT_TRUE(view());
    EXPECT_EQ(ui.messages.shown,
              Lines{"Copied 1 of 5 photos to " + utf8Text(folder) +
                    "; the copying was cancelled\nIMG00002.JPG is larger than 4 MB; it was not copied"});
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
}

// Twelve photos that cannot be written (the folder chosen is a file): the message gives
// ten reasons and counts the rest, so it fits the screen.
TEST_F(PhotoAlbumViewerTest, AFailureForEveryPhotoIsToldInAMessageThatFits)
{
    const std::vector<std::uint8_t> photo = stick.read(photoFile("IMG00001.JPG"));
    for (int n = 10; n < 17; ++n)
        stick.write(photoFile(("IMG000" + std::to_string(n) + ".JPG").c_str()), photo);
    const fs::path notAFolder = elsewhere.dir() / "a file";
    std::ofstream(notAFolder) << "the owner's";
    ui.saveDialog.choices = {utf8Text(notAFolder)};
    window.press = [](PhotoRecords& album) { album.savePhotos(); };
    EXPECT_TRUE(view());
    ASSERT_EQ(ui.messages.shown.size(), 1u);
    const std::string& message = ui.messages.shown[0];
    EXPECT_TRUE(message.starts_with("Copied 0 of 12 photos to " + utf8Text(notAFolder) + "\ncannot write "))
        << message;
    EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 11);
    EXPECT_TRUE(message.ends_with("IMG00014.JPG\nand 2 more not copied")) << message;
}

TEST(PictureFit, ThePictureFillsTheBoxInItsProportionsCentred)
{
    EXPECT_EQ(fitPicture(416, 320, {0, 0, 640, 480}), (PixelRect{8, 0, 632, 480}));
    EXPECT_EQ(fitPicture(416, 320, {0, 0, 416, 320}), (PixelRect{0, 0, 416, 320}));
    EXPECT_EQ(fitPicture(416, 320, {10, 0, 218, 400}), (PixelRect{10, 120, 218, 280}));
    EXPECT_EQ(fitPicture(0, 320, {5, 6, 100, 100}), (PixelRect{5, 6, 5, 6}));
    EXPECT_EQ(fitPicture(416, 320, {0, 0, 0, 100}), (PixelRect{0, 0, 0, 0}));
}

}  // namespace
}  // namespace morvane
