// The dumps of the four variable files. Not written yet: they answer with a failed report.
#include "reports/ReportNodes.h"

namespace morvane {

bool GvarNode::dump(StickStream*, InfoList&, StickRoot&) { return false; }
bool FvarNode::dump(StickStream*, InfoList&, StickRoot&) { return false; }
bool RvarNode::dump(StickStream*, InfoList&, StickRoot&) { return false; }
bool DvarNode::dump(StickStream*, InfoList&, StickRoot&) { return false; }

}  // namespace morvane
