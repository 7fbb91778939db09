// The help text of an entry that has no file of its own ("Advanced").
#include "reports/ReportNodes.h"

namespace morvane {

bool TextNode::dump(StickStream*, InfoList& list, StickRoot&)
{
    if (helpLines.empty())
        return true;
    for (std::string_view line : helpLines)
        list.addLine(line);
    list.addLine("");
    return true;
}

}  // namespace morvane
