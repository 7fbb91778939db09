#include "dialogs/win32/ProblemBox.h"

#include "base/win32/WideText.h"

namespace morvane::win32 {

void showProblems(HWND box, const std::vector<std::string>& problems)
{
    std::string lines;
    for (const std::string& problem : problems)
        lines += (lines.empty() ? "" : "\r\n") + problem;  // an edit box breaks lines at CR LF
    SetWindowTextW(box, widenCodePage(lines).c_str());
    ShowWindow(box, problems.empty() ? SW_HIDE : SW_SHOWNA);
}

}  // namespace morvane::win32
