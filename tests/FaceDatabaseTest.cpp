// The human faces viewer: FIFDATA.BIN's checks in their order, the names and pictures of
// the records, and the command's messages.
#include <gtest/gtest.h>

#include <filesystem>

#include <cstring>

#include "dialogs/FaceDatabase.h"
#include "dialogs/HumanFacesViewer.h"
#include "tests/support/InStickDirectory.h"
#include "tests/support/ScriptedUi.h"
#include "tools/stickgen/FaceDatabase.h"
#include "ui/ImageCanvas.h"

namespace morvane {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;

const std::string kBadFormat = "Bad format FIFDATA.BIN";
const std::string kBadHeader = "Bad or unknown FIFDATA header\nPlease email Quillfen";
const std::string kBadVariant = "Bad or unknown FIFDATA header (2)\nPlease email Quillfen";
const std::string kBadSize = "Bad FIFDATA size\nPlease email Quillfen";
constexpr std::string_view kFifPath = "OPEN-R\\APP\\DATA\\P\\FIFDATA.BIN";

stickgen::StoredFace face(std::string name, std::uint8_t firstPixel = 0)
{
    stickgen::StoredFace stored{std::move(name), {}};
    stored.picture[0] = firstPixel;
    return stored;
}

void putWord(Bytes& file, std::size_t offset, std::uint32_t value)
{
    for (std::size_t byte = 0; byte < 4; ++byte)
        file[offset + byte] = static_cast<std::uint8_t>(value >> (8 * byte));
}

// Lists each face by name, and draws every picture into an area of 145 x 90 pixels.
class RecordingFaceView : public FaceDialogView {
public:
    void runModal(const FaceRecords& faces) override
    {
        ++opened;
        for (std::size_t record = 0; record < faces.faceCount(); ++record) {
            names.emplace_back(faces.faceName(record));
            pictures.emplace_back(PixelRect{0, 0, 145, 90}, rgbColor(1, 2, 3));
            faces.drawFace(record, pictures.back());
        }
    }
    int opened = 0;
    Lines names;
    std::vector<ImageCanvas> pictures;
};

// Whether this process still holds `path` open: on Linux by its table of descriptors,
// elsewhere by renaming the file, which Windows refuses while it is open.
bool heldOpen(const std::filesystem::path& path)
{
#ifdef __linux__
    std::error_code error;
    for (const auto& descriptor : std::filesystem::directory_iterator("/proc/self/fd")) {
        if (std::filesystem::read_symlink(descriptor.path(), error) == std::filesystem::canonical(path))
            return true;
    }
    return false;
#else
    const std::filesystem::path aside = path.string() + ".aside";
    std::error_code error;
    std::filesystem::rename(path, aside, error);
    if (error)
        return true;
    std::filesystem::rename(aside, path);
    return false;
#endif
}

class HumanFacesViewerTest : public test::InStickDirectory {
protected:
    // The message the viewer shows for `file`, or "" when it opens the dialog.
    std::string messageFor(const Bytes& file)
    {
        stick.write(kFifPath, file);
        messages.shown.clear();
        RecordingFaceView quiet;
        const bool shown = viewHumanFaces(messages, quiet);
        EXPECT_EQ(shown, messages.shown.empty());
        EXPECT_EQ(quiet.opened, shown ? 1 : 0);
        return messages.shown.empty() ? "" : messages.shown.front();
    }

    test::UiLog log;
    test::RecordingMessages messages{log};
    RecordingFaceView view;
};

TEST_F(HumanFacesViewerTest, ListsNamesInFileOrderAndDrawsEachRecordsOwnPicture)
{
    const std::vector<stickgen::StoredFace> faces{face("zoe", 0), face("amy", 255), face("zoe", 128)};
    stick.write(kFifPath, stickgen::encodeFaceDatabase(faces, stickgen::FifVariant::Six));
    ASSERT_TRUE(viewHumanFaces(messages, view));
    EXPECT_EQ(view.names, (Lines{"zoe", "amy", "zoe"}));
    const std::array<std::uint8_t, 3> firstPixels{0, 255, 128};
    for (std::size_t record = 0; record < 3; ++record) {
        const ImageCanvas& picture = view.pictures[record];
        const std::uint8_t grey = firstPixels[record];
        for (int y = 10; y < 15; ++y) {
            for (int x = 10; x < 15; ++x)
                EXPECT_EQ(picture.pixel(x, y), rgbColor(grey, grey, grey)) << record;
        }
        EXPECT_EQ(picture.pixel(15, 10), rgbColor(0, 0, 0)) << "the next block";
        EXPECT_EQ(picture.pixel(144, 89), rgbColor(0, 0, 0)) << "the last pixel";
        EXPECT_EQ(picture.pixel(9, 10), rgbColor(1, 2, 3)) << "left of the picture";
        EXPECT_EQ(picture.pixel(10, 9), rgbColor(1, 2, 3)) << "above it";
        EXPECT_EQ(picture.pixel(144, 90 - 1), rgbColor(0, 0, 0));
    }
}

TEST_F(HumanFacesViewerTest, TheFileIsClosedBeforeTheDialogOpens)
{
    stick.write(kFifPath, stickgen::encodeFaceDatabase(std::vector{face("amy")}));
    const std::filesystem::path file = stick.dir() / "OPEN-R" / "APP" / "DATA" / "P" / "FIFDATA.BIN";
    class CheckingView : public FaceDialogView {
    public:
        explicit CheckingView(std::filesystem::path file) : file_(std::move(file)) {}
        void runModal(const FaceRecords&) override { heldWhileOpen = heldOpen(file_); }
        std::optional<bool> heldWhileOpen;

    private:
        std::filesystem::path file_;
    } checking(file);
    ASSERT_TRUE(viewHumanFaces(messages, checking));
    EXPECT_EQ(checking.heldWhileOpen, false);
}

TEST_F(HumanFacesViewerTest, APictureIsSetBlockByBlockInRowOrder)
{
    stickgen::StoredFace stored = face("grid");
    for (std::size_t i = 0; i < stored.picture.size(); ++i)
        stored.picture[i] = static_cast<std::uint8_t>(i);
    stick.write(kFifPath, stickgen::encodeFaceDatabase(std::vector{stored}));
    ASSERT_TRUE(viewHumanFaces(messages, view));
    const ImageCanvas& picture = view.pictures.front();
    EXPECT_EQ(picture.pixel(10 + 5 * 26 + 4, 10 + 5 * 15 + 4), rgbColor(431 & 0xFF, 431 & 0xFF, 431 & 0xFF));
    EXPECT_EQ(picture.pixel(10 + 5 * 3, 10 + 5 * 2 + 2), rgbColor(57, 57, 57));
    EXPECT_EQ(picture.pixel(145 - 1, 90 - 1), rgbColor(431 & 0xFF, 431 & 0xFF, 431 & 0xFF));
}

TEST_F(HumanFacesViewerTest, ANameWithoutAZeroByteEndsAtThePicture)
{
    Bytes file = stickgen::encodeFaceDatabase(std::vector{face("x", 0)});
    std::memset(file.data() + 40 + 16, 'N', 137 - 16);
    stick.write(kFifPath, file);
    ASSERT_TRUE(viewHumanFaces(messages, view));
    EXPECT_EQ(view.names, Lines{std::string(121, 'N')});
}

TEST_F(HumanFacesViewerTest, NoRecordsOpenAnEmptyList)
{
    EXPECT_EQ(messageFor(stickgen::encodeFaceDatabase({})), "");
    stick.write(kFifPath, stickgen::encodeFaceDatabase({}));
    ASSERT_TRUE(viewHumanFaces(messages, view));
    EXPECT_EQ(view.opened, 1);
    EXPECT_TRUE(view.names.empty());
}

TEST_F(HumanFacesViewerTest, EachCheckHasItsMessageInTheOrderTheyRun)
{
    const Bytes good = stickgen::encodeFaceDatabase(std::vector{face("a"), face("b")});
    EXPECT_EQ(messageFor(good), "");

    EXPECT_EQ(messageFor(Bytes(good.begin(), good.begin() + 39)), kBadFormat);
    EXPECT_EQ(messageFor(Bytes(39, 0)), kBadFormat) << "the header is not looked at";

    for (std::size_t offset : {0, 4, 8, 12}) {
        Bytes file = good;
        file[offset] ^= 0x01;
        putWord(file, 16, 9);  // a bad variant too: the first header check speaks first
        EXPECT_EQ(messageFor(file), kBadHeader) << offset;
    }

    const auto withWord = [&](std::size_t offset, std::uint32_t value) {
        Bytes file = good;
        putWord(file, offset, value);
        return file;
    };
    EXPECT_EQ(messageFor(withWord(32, 120)), kBadVariant) << "variant 2 with variant 6's number";
    Bytes six = withWord(16, 6);
    EXPECT_EQ(messageFor(six), kBadVariant) << "variant 6 with variant 2's number";
    putWord(six, 32, 120);
    EXPECT_EQ(messageFor(six), "");
    EXPECT_EQ(messageFor(withWord(16, 3)), kBadVariant);
    EXPECT_EQ(messageFor(withWord(24, 697)), kBadVariant);
    EXPECT_EQ(messageFor(withWord(36, 31)), kBadVariant);
    EXPECT_EQ(messageFor(withWord(28, 0xDEADBEEF)), "") << "any value at offset 28";

    Bytes longer = good;
    longer.push_back(0);
    EXPECT_EQ(messageFor(longer), kBadSize);
    EXPECT_EQ(messageFor(withWord(20, 3)), kBadSize);
    // 40 + 728 x N wraps around to the file's size in 32 bits; it must not pass.
    EXPECT_EQ(messageFor(withWord(20, 2 + 0x100000000ull / 8)), kBadSize);
}

TEST_F(HumanFacesViewerTest, AFileTooLargeForItsLimitIsRefusedByItsHeaderOrItsSize)
{
    // Sparse files: one record more than the viewer takes, and one beyond 32-bit offsets.
    const std::filesystem::path onDisk = stick.dir() / "OPEN-R" / "APP" / "DATA" / "P" / "FIFDATA.BIN";
    for (const std::uint64_t size : {40 + 728ull * 65537, 3ull << 30}) {
        Bytes header = stickgen::encodeFaceDatabase({});
        putWord(header, 20, 65537);
        for (const char magic : {'F', 'X'}) {
            header[0] = static_cast<std::uint8_t>(magic);
            stick.write(kFifPath, header);
            std::filesystem::resize_file(onDisk, size);
            RecordingFaceView unused;
            EXPECT_FALSE(viewHumanFaces(messages, unused));
        }
    }
    EXPECT_EQ(messages.shown, (Lines{kBadSize, kBadHeader, kBadSize, kBadHeader}));
}

// A sparse file of exactly the most records the viewer takes is read whole and listed.
TEST_F(HumanFacesViewerTest, ADatabaseOf65536FacesIsTaken)
{
    struct CountingFaceView : FaceDialogView {
        void runModal(const FaceRecords& faces) override { count = faces.faceCount(); }
        std::size_t count = 0;
    } counting;
    Bytes header = stickgen::encodeFaceDatabase({});
    putWord(header, 20, 65536);
    stick.write(kFifPath, header);
    std::filesystem::resize_file(stick.dir() / "OPEN-R" / "APP" / "DATA" / "P" / "FIFDATA.BIN",
                                 40 + 728ull * 65536);
    EXPECT_TRUE(viewHumanFaces(messages, counting));
    EXPECT_EQ(messages.shown, Lines{});
    EXPECT_EQ(counting.count, 65536u);
}

TEST_F(HumanFacesViewerTest, AMissingFileSaysNoFacesAreStored)
{
    EXPECT_FALSE(viewHumanFaces(messages, view));
    EXPECT_EQ(messages.shown, Lines{"No Human Faces stored on this stick"});
    EXPECT_EQ(view.opened, 0);
}

}  // namespace
}  // namespace morvane
