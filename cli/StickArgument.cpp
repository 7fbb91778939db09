// A STICK argument that is no enterable directory, or a refused stick, exits with 2.
#include "cli/StickArgument.h"

#include "app/StickOpening.h"
#include "cli/StreamMessages.h"

namespace morvane::cli {

bool openStickArgument(std::string_view directory, StickRoot& stick, std::ostream& err)
{
    StreamMessages messages(err);
    return enterCommandLineDirectory(directory, messages) && openStick(stick, messages);
}

}  // namespace morvane::cli
