// The Summary entry's report. Not written yet: it answers with a failed report.
#include "reports/ReportNodes.h"

namespace morvane {

bool SummaryNode::dump(StickStream*, InfoList&, StickRoot&) { return false; }

}  // namespace morvane
