// "VERS", format 1, "COME" and the comment's length, the comment, then the 8-byte "VERS"
// chunk and, when given, the 4-byte "CNCD" language chunk.
#include "tools/stickgen/VersionFile.h"

#include "tools/stickgen/ByteWriter.h"

namespace morvane::stickgen {

std::vector<std::uint8_t> encodeVersionFile(const VersionFileContent& content)
{
    const std::size_t size = kVersionHeaderSize + content.comment.size() + kVersionChunkSize +
                             (content.language ? kLanguageChunkSize : 0);
    ByteWriter out(size);
    out.putText("VERS");
    out.put32(1);
    out.putText("COME");
    out.put32(static_cast<std::uint32_t>(content.comment.size()));
    out.putText(content.comment);
    out.putText("VERS");
    out.put32(static_cast<std::uint32_t>(content.version.size()));
    out.putBytes(content.version);
    if (content.language) {
        out.putText("CNCD");
        out.put32(static_cast<std::uint32_t>(content.language->size()));
        out.putBytes(*content.language);
    }
    return std::move(out).take();
}

}  // namespace morvane::stickgen
