// What the progress window costs a backup: the same stick backed up with no progress shown
// and with morvane's progress window (offscreen), in turns, so that both meet the same page
// cache and machine load. Prints the medians and their ratio as a Markdown table row.
// Usage: morvane_progress_cost STICK SCRATCH [ROUNDS]
#include <QApplication>
#include <QMainWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/StickBackup.h"
#include "app/WindowProgress.h"
#include "app/qt/ProgressDialog.h"

namespace {

namespace fs = std::filesystem;
using namespace morvane;

class NoProgress : public BackupProgress {
public:
    bool copying(std::string_view, std::size_t, std::size_t) override { return true; }
};

// Milliseconds one backup of `stick` into `out` takes; `out` is removed afterwards.
double backUpOnce(const fs::path& stick, const fs::path& out, BackupProgress& progress)
{
    const auto start = std::chrono::steady_clock::now();
    const BackupResult result = backUpStick(stick, out, {}, progress);
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    if (result.outcome != BackupResult::Outcome::Done)
        std::fprintf(stderr, "the backup failed\n");
    fs::remove_all(out);
    return took.count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: morvane_progress_cost STICK SCRATCH [ROUNDS]\n");
        return 2;
    }
    const fs::path stick = argv[1];
    const fs::path out = fs::path(argv[2]) / "progress-cost";
    const int rounds = argc > 3 ? std::stoi(argv[3]) : 15;
    QMainWindow window;  // the progress window belongs to the active window, as in the program
    window.show();
    window.activateWindow();
    std::vector<double> without, with;
    for (int round = 0; round < 2 * rounds; ++round) {
        // The two take turns: each backup pays for writing back the one before it.
        if (round % 2 == 0) {
            NoProgress none;
            without.push_back(backUpOnce(stick, out, none));
            continue;
        }
        qt::ProgressDialog dialog;
        dialog.open("Back Up Stick");
        WindowProgress shown(dialog);
        with.push_back(backUpOnce(stick, out, shown));
        dialog.close();
    }
    std::printf("| backup with the progress window / without | %.0f ms | %.0f ms | %.3f |\n", median(with),
                median(without), median(with) / median(without));
    return 0;
}
