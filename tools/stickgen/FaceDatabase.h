// Encoder of FIFDATA.BIN, the database of human faces the robot has learned.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace morvane::stickgen {

inline constexpr std::size_t kFacePictureWidth = 27;
inline constexpr std::size_t kFacePictureHeight = 16;
inline constexpr std::size_t kFifHeaderSize = 40;
inline constexpr std::size_t kFaceRecordSize = 728;

// Grey levels, top row first, left pixel first; 0 is black, 255 white.
using FacePicture = std::array<std::uint8_t, kFacePictureWidth * kFacePictureHeight>;

struct StoredFace {
    std::string name;
    FacePicture picture{};
};

// The two header layouts the robot writes; they differ only in one header field.
enum class FifVariant : std::uint32_t { Two = 2, Six = 6 };

// The 40-byte header and one 728-byte record per face: 40 + 728 * N bytes. A name too
// long for its field is cut so that its terminating zero still fits.
std::vector<std::uint8_t> encodeFaceDatabase(std::span<const StoredFace> faces,
                                             FifVariant variant = FifVariant::Two);

}  // namespace morvane::stickgen
