// Letter case as the stick's FAT file system knows it: ASCII letters only, so that a name
// compares the same on every system whatever its locale.
#pragma once

#include <string>
#include <string_view>

namespace morvane {

inline std::string asciiUpperCase(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

}  // namespace morvane
