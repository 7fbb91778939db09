// Fuzz target of the face database: the input is a whole FIFDATA.BIN. A file that passes
// the checks must be 40 + 728 x N bytes, and every record's name and picture must stay
// within that record and within the picture's 135 x 80 pixels.
#include <variant>
#include <vector>

#include "dialogs/FaceDatabase.h"
#include "fuzz/FuzzCheck.h"
#include "fuzz/FuzzTarget.h"

namespace {

using namespace morvane;

class PictureCheckingCanvas final : public Canvas {
public:
    void fillRect(const PixelRect&, RgbColor) override { requireFuzz(false, "a picture fills rectangles"); }
    void setPixel(int x, int y, RgbColor) override
    {
        requireFuzz(x >= 10 && x < 145 && y >= 10 && y < 90, "a pixel outside the picture");
        ++pixels;
    }
    int pixels = 0;
};

void checkRecord(const FaceDatabase& faces, std::size_t record)
{
    requireFuzz(faces.faceName(record).size() <= 121, "a name runs into the picture");
    PictureCheckingCanvas canvas;
    faces.drawFace(record, canvas);
    requireFuzz(canvas.pixels == 135 * 80, "a picture is not 135 x 80 pixels");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::variant<FaceDatabase, FaceDatabaseError> decoded =
        FaceDatabase::decode(std::vector(data, data + size));
    const FaceDatabase* faces = std::get_if<FaceDatabase>(&decoded);
    if (faces == nullptr)
        return 0;
    requireFuzz(size == kFifHeaderSize + kFaceRecordSize * faces->faceCount(),
                "a database of the wrong size");
    for (std::size_t record = 0; record < faces->faceCount(); ++record)
        checkRecord(*faces, record);
    return 0;
}
