// The reports' 8-bit text as the windows show it.
#pragma once

#include <QString>

#include <string_view>

namespace morvane::qt {

// `bytes` as UTF-8 when they are valid UTF-8, else as Latin-1.
QString stickText(std::string_view bytes);

}  // namespace morvane::qt
