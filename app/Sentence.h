// A message box's sentence of one of morvane-cli's clauses: the same words, begun with a
// capital letter.
#pragma once

#include <cctype>
#include <string>

namespace morvane {

inline std::string sentence(std::string clause)
{
    if (!clause.empty())
        clause[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(clause[0])));
    return clause;
}

}  // namespace morvane
