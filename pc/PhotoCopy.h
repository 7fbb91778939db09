// A photo of the album copied out of the stick, bytes unchanged, named and dated by when
// the robot took it: the copy of morvane-cli photos --out and of the Photo Album window.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "pc/PhotoAlbum.h"

namespace morvane {

// Copies `photo` into `folder` (made when missing) as "2017-03-28_192010_IMG00001.JPG",
// modified at its capture time (the album's date and time for a photo without one); under
// its own name, and dated now, when nothing says when it was taken. None when copied, or
// else why not: "cannot read IMG00003.JPG; it was not copied", or writeFileOut's reason.
std::optional<std::string> copyPhoto(const AlbumPhoto& photo, const std::filesystem::path& folder);

}  // namespace morvane
