// The kinds of report tree entry; each report's file defines its kind's dump.
#pragma once

#include "reports/ReportNode.h"

namespace morvane {

// Kind is a class name, which cannot stand in parentheses.
// NOLINTBEGIN(bugprone-macro-parentheses)
#define MORVANE_REPORT_NODE(Kind)                                                                            \
    class Kind : public ReportNode {                                                                         \
    public:                                                                                                  \
        bool dump(StickStream* file, InfoList& list, StickRoot& stick) override;                             \
    }
// NOLINTEND(bugprone-macro-parentheses)

MORVANE_REPORT_NODE(SummaryNode);
MORVANE_REPORT_NODE(NameOwnerNode);
MORVANE_REPORT_NODE(LanSettingsNode);
MORVANE_REPORT_NODE(TextNode);
MORVANE_REPORT_NODE(GvarNode);
MORVANE_REPORT_NODE(FvarNode);
MORVANE_REPORT_NODE(RvarNode);
MORVANE_REPORT_NODE(DvarNode);
MORVANE_REPORT_NODE(VersionsNode);

#undef MORVANE_REPORT_NODE

}  // namespace morvane
