// One entry of the report tree: its stick file (if any) and the report it writes.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "reports/InfoList.h"
#include "stick/StickRoot.h"
#include "stick/StickStream.h"
#include "ui/TreeControl.h"

namespace morvane {

class ReportNode {
public:
    virtual ~ReportNode() = default;

    // Writes the entry's report into `list` and answers whether it was produced. `file`
    // is the entry's file, opened for binary reading at its start, or nullptr for an
    // entry without one; the report may read and reposition it but never closes it.
    // When the report is called, the list holds only the heading the tree wrote.
    virtual bool dump(StickStream* file, InfoList& list, StickRoot& stick) = 0;

    std::optional<std::string> filePath;  // stick-relative, or none
    bool fileOptional = false;            // a missing file is a warning, not an error
    TreeControl::Item treeItem = TreeControl::kTopLevel;
    std::span<const std::string_view> helpLines;  // used by TextNode only
};

}  // namespace morvane
