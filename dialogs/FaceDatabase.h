// FIFDATA.BIN, the human faces the robot has learned: a 40-byte "FIF2" header and N
// records of 728 bytes, each with a name and a 27 x 16 grey picture.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>
#include <vector>

#include "ui/FaceDialogView.h"

namespace morvane {

inline constexpr std::size_t kFifHeaderSize = 40;
inline constexpr std::size_t kFaceRecordSize = 728;
inline constexpr int kFacePictureWidth = 27;
inline constexpr int kFacePictureHeight = 16;

// Why a file is not a face database, in the order the checks run.
enum class FaceDatabaseError {
    BadFormat,   // shorter than the header, or not readable whole
    BadHeader,   // the magic or the fixed numbers at offsets 4, 8 and 12
    BadVariant,  // the layout variant or its numbers at offsets 24, 32 and 36
    BadSize,     // not 40 + 728 x N bytes
};

class FaceDatabase final : public FaceRecords {
public:
    std::size_t faceCount() const override { return count_; }
    // The text from offset 16 of the record to its first zero byte, or to the picture
    // at offset 137 when there is none.
    std::string_view faceName(std::size_t record) const override;
    // Each picture byte b as a 5 x 5 block of grey (b, b, b) at (10 + 5x, 10 + 5y).
    void drawFace(std::size_t record, Canvas& canvas) const override;

    // Checks a whole file and takes it over.
    static std::variant<FaceDatabase, FaceDatabaseError> decode(std::vector<std::uint8_t> file);

private:
    FaceDatabase(std::vector<std::uint8_t> file, std::size_t count) : file_(std::move(file)), count_(count) {}
    std::span<const std::uint8_t> field(std::size_t record, std::size_t offset, std::size_t length) const;
    // The record's 432 grey levels, top row first, left pixel first.
    std::span<const std::uint8_t> picture(std::size_t record) const;

    std::vector<std::uint8_t> file_;
    std::size_t count_;
};

// Checks the header of a file of `fileSize` bytes that starts with `header` (at least
// 40 bytes): none when it fits, else the first check that fails.
std::optional<FaceDatabaseError> checkFaceDatabaseHeader(std::span<const std::uint8_t> header,
                                                         std::uint64_t fileSize);

}  // namespace morvane
