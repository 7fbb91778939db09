// UTF-8 text of the program (titles, paths, messages) as Qt's strings.
#pragma once

#include <QString>

#include <string_view>

namespace morvane::qt {

inline QString qtText(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace morvane::qt
