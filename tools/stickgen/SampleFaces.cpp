// The faces the sample dog has learned: its owner ("facem") and three demo faces
// ("d0" to "d2"). Each is drawn as an oval of skin with hair on top, two eyes and a
// mouth, on a darker background; the faces differ in shape, shade and expression.
#include "tools/stickgen/SampleStickParts.h"

#include <array>

#include "tools/stickgen/FaceDatabase.h"

namespace morvane::stickgen {
namespace {

constexpr int kWidth = static_cast<int>(kFacePictureWidth);
constexpr int kCentreX = 13;
constexpr int kCentreY = 8;
constexpr std::uint8_t kBackground = 96;
constexpr std::uint8_t kEye = 20;
constexpr std::uint8_t kMouth = 60;

struct FaceLook {
    const char* name;
    int halfWidth;
    int halfHeight;
    std::uint8_t skin;
    std::uint8_t hair;
    int hairRows;   // rows of hair from the top of the oval
    int eyeGap;     // columns from the centre to each eye
    int mouthHalf;  // columns from the centre to each mouth corner
    bool smiling;
};

constexpr std::array<FaceLook, 4> kLooks{{
    {"facem", 8, 7, 200, 40, 3, 3, 3, true},
    {"d0", 7, 7, 170, 140, 2, 3, 2, false},
    {"d1", 9, 6, 225, 30, 3, 4, 4, true},
    {"d2", 6, 7, 150, 60, 2, 2, 1, false},
}};

bool insideOval(const FaceLook& look, int x, int y)
{
    const int dx = x - kCentreX;
    const int dy = y - kCentreY;
    const int a = look.halfWidth * look.halfWidth;
    const int b = look.halfHeight * look.halfHeight;
    return dx * dx * b + dy * dy * a < a * b;  // strictly inside: no one-pixel spikes
}

void setPixel(FacePicture& picture, int x, int y, std::uint8_t grey)
{
    picture[static_cast<std::size_t>(y * kWidth + x)] = grey;
}

void drawFeatures(FacePicture& picture, const FaceLook& look)
{
    const int eyeRow = kCentreY - 1;
    setPixel(picture, kCentreX - look.eyeGap, eyeRow, kEye);
    setPixel(picture, kCentreX + look.eyeGap, eyeRow, kEye);
    const int mouthRow = kCentreY + look.halfHeight / 2 + 1;
    for (int x = kCentreX - look.mouthHalf; x <= kCentreX + look.mouthHalf; ++x)
        setPixel(picture, x, mouthRow, kMouth);
    if (look.smiling) {
        setPixel(picture, kCentreX - look.mouthHalf - 1, mouthRow - 1, kMouth);
        setPixel(picture, kCentreX + look.mouthHalf + 1, mouthRow - 1, kMouth);
    }
}

StoredFace drawFace(const FaceLook& look)
{
    StoredFace face{look.name, {}};
    const int hairline = kCentreY - look.halfHeight + 1 + look.hairRows;  // the oval's top row is + 1
    for (int y = 0; y < static_cast<int>(kFacePictureHeight); ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const std::uint8_t inside = y < hairline ? look.hair : look.skin;
            setPixel(face.picture, x, y, insideOval(look, x, y) ? inside : kBackground);
        }
    }
    drawFeatures(face.picture, look);
    return face;
}

}  // namespace

StickImageFile sampleFaceDatabaseFile()
{
    std::vector<StoredFace> faces;
    for (const FaceLook& look : kLooks)
        faces.push_back(drawFace(look));
    return {"OPEN-R\\APP\\DATA\\P\\FIFDATA.BIN", encodeFaceDatabase(faces)};
}

}  // namespace morvane::stickgen
