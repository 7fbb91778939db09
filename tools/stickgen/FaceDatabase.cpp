// The header carries fixed numbers the robot checks (256, 8, 6, 696, 30) around the
// variant, the record count and the variant's own number (72 or 120). In a record the
// name starts at offset 16 and runs at most up to the picture at offset 137; all other
// record bytes are not used by the program and stay 0.
#include "tools/stickgen/FaceDatabase.h"

#include "tools/stickgen/ByteWriter.h"

namespace morvane::stickgen {
namespace {

constexpr std::size_t kNameOffset = 16;
constexpr std::size_t kPictureOffset = 137;
constexpr std::size_t kLongestName = kPictureOffset - kNameOffset - 1;

void putHeader(ByteWriter& out, FifVariant variant, std::size_t faceCount)
{
    out.putText("FIF2");
    out.put32(256);
    out.put32(8);
    out.put32(6);
    out.put32(static_cast<std::uint32_t>(variant));
    out.put32(static_cast<std::uint32_t>(faceCount));
    out.put32(696);
    out.put32(0);
    out.put32(variant == FifVariant::Two ? 72 : 120);
    out.put32(30);
}

}  // namespace

std::vector<std::uint8_t> encodeFaceDatabase(std::span<const StoredFace> faces, FifVariant variant)
{
    ByteWriter out(kFifHeaderSize + kFaceRecordSize * faces.size());
    putHeader(out, variant, faces.size());
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const std::size_t record = kFifHeaderSize + kFaceRecordSize * i;
        out.seek(record + kNameOffset);
        out.putText(std::string_view(faces[i].name).substr(0, kLongestName));
        out.seek(record + kPictureOffset);
        out.putBytes(faces[i].picture);
    }
    return std::move(out).take();
}

}  // namespace morvane::stickgen
