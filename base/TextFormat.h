// printf-style formatting into a std::string, for report lines whose layout is given
// as a C format (field widths, zero padding, %d of signed values).
#pragma once

#include <string>

namespace morvane {

#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
std::string
formatText(const char* format, ...);

}  // namespace morvane
