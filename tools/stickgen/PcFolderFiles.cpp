// JPEG encoding is stb_image_write's, compiled here on its own for the generator.
#include "tools/stickgen/PcFolderFiles.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

#include "tools/stickgen/ByteWriter.h"
#include "tools/stickgen/StickImage.h"

namespace morvane::stickgen {
namespace {

constexpr char kDeclaration[] = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n";
constexpr int kJpegQuality = 85;
// SOI (2 bytes) and the JFIF APP0 segment stb writes (2 + 16 bytes) come before the
// robot's segment.
constexpr std::size_t kAfterJfif = 20;

std::string entryXml(const IndexEntry& entry)
{
    return "<ENTRY><FILENAME>" + entry.file + "</FILENAME><DATE>" + entry.date + "</DATE><TIME>" +
           entry.time + "</TIME></ENTRY>\r\n";
}

void appendBytes(void* context, void* data, int size)
{
    auto& bytes = *static_cast<std::vector<std::uint8_t>*>(context);
    const auto* begin = static_cast<const std::uint8_t*>(data);
    bytes.insert(bytes.end(), begin, begin + size);
}

std::vector<std::uint8_t> captureSegment(const PhotoTime& time)
{
    const std::vector<std::uint8_t> data{'A',
                                         'I',
                                         'B',
                                         'O',
                                         0,
                                         0x02,
                                         0x00,
                                         0,
                                         static_cast<std::uint8_t>(time.year & 0xFF),
                                         static_cast<std::uint8_t>(time.year >> 8),
                                         static_cast<std::uint8_t>(time.month),
                                         static_cast<std::uint8_t>(time.day),
                                         static_cast<std::uint8_t>(time.weekday),
                                         static_cast<std::uint8_t>(time.hour),
                                         static_cast<std::uint8_t>(time.minute),
                                         static_cast<std::uint8_t>(time.second),
                                         0x10,
                                         0x20,
                                         0x30,
                                         0x40,
                                         0x01,
                                         0x00,
                                         0x00,
                                         0x7F};
    const std::size_t length = data.size() + 2;
    std::vector<std::uint8_t> segment{0xFF, 0xE0, static_cast<std::uint8_t>(length >> 8),
                                      static_cast<std::uint8_t>(length & 0xFF)};
    segment.insert(segment.end(), data.begin(), data.end());
    return segment;
}

}  // namespace

std::vector<std::uint8_t> diaryIndexXml(const std::vector<IndexEntry>& entries)
{
    std::string xml = std::string(kDeclaration) + "<FILELIST>\r\n<COMMON><VERSION>1.0</VERSION></COMMON>\r\n";
    for (const IndexEntry& entry : entries)
        xml += entryXml(entry);
    return textBytes(xml + "</FILELIST>\r\n");
}

std::vector<std::uint8_t>
photoIndexXml(const std::vector<std::pair<std::string, std::vector<IndexEntry>>>& photos)
{
    std::string xml =
        std::string(kDeclaration) + "<PHOTOLIST>\r\n<COMMON><VERSION>1.0</VERSION></COMMON>\r\n";
    for (const auto& [category, entries] : photos) {
        xml += "<PHOTO ID=\"" + category + "\">\r\n";
        for (const IndexEntry& entry : entries)
            xml += entryXml(entry);
        xml += "</PHOTO>\r\n";
    }
    return textBytes(xml + "</PHOTOLIST>\r\n");
}

std::vector<std::uint8_t> diaryDayXml(const std::vector<DiaryGroup>& groups)
{
    std::string xml = std::string(kDeclaration) + "<DIARYSRC>\r\n";
    for (const auto& [group, elements] : groups) {
        xml += "<" + group + ">\r\n";
        for (const auto& [name, value] : elements)
            xml += "<" + name + ">" + value + "</" + name + ">\r\n";
        xml += "</" + group + ">\r\n";
    }
    return textBytes(xml + "</DIARYSRC>\r\n");
}

std::vector<std::uint8_t> plainJpeg(const std::vector<std::uint8_t>& rgb, int width, int height)
{
    std::vector<std::uint8_t> jpeg;
    stbi_write_jpg_to_func(appendBytes, &jpeg, width, height, 3, rgb.data(), kJpegQuality);
    return jpeg;
}

std::vector<std::uint8_t> robotJpeg(const std::vector<std::uint8_t>& rgb, int width, int height,
                                    const PhotoTime& time)
{
    std::vector<std::uint8_t> jpeg = plainJpeg(rgb, width, height);
    const std::vector<std::uint8_t> segment = captureSegment(time);
    jpeg.insert(jpeg.begin() + kAfterJfif, segment.begin(), segment.end());
    return jpeg;
}

std::vector<std::uint8_t> voiceWave(const std::vector<std::uint8_t>& samples)
{
    constexpr std::size_t kHeader = 44;
    const auto size = static_cast<std::uint32_t>(samples.size());
    ByteWriter wave(kHeader + samples.size());
    wave.putText("RIFF");
    wave.put32(36 + size);
    wave.putText("WAVEfmt ");
    wave.put32(16);
    wave.put32(1 | 1 << 16);  // PCM, mono
    wave.put32(8000);         // samples a second
    wave.put32(8000);         // bytes a second
    wave.put32(1 | 8 << 16);  // one byte a sample, eight bits
    wave.putText("data");
    wave.put32(size);
    wave.putBytes(samples);
    return std::move(wave).take();
}

}  // namespace morvane::stickgen
