// How long morvane's Diary window takes to open on a stick: from View > Diary to the window
// shown, its diary read, its lists filled and its chart drawn; the window is then closed.
// Prints the median of `rounds` openings in milliseconds (scripts/bench-diary.sh compares
// it with morvane-cli diary --csv on the same stick).
// Usage: morvane_diary_window_cost STICK [ROUNDS]
#include <QApplication>
#include <QDialog>
#include <QProgressDialog>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "app/qt/MessageBoxMessages.h"
#include "app/qt/ProgressDialog.h"
#include "dialogs/DiaryViewer.h"
#include "dialogs/qt/DiaryDialog.h"
#include "stick/OsFile.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc < 2 || !morvane::changeDirectory(argv[1])) {
        std::fprintf(stderr, "usage: morvane_diary_window_cost STICK [ROUNDS]\n");
        return 2;
    }
    const int rounds = argc > 2 ? std::stoi(argv[2]) : 5;
    morvane::qt::MessageBoxMessages messages;
    morvane::qt::ProgressDialog progress;
    morvane::qt::DiaryDialog dialog(nullptr);
    std::vector<double> took;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        std::chrono::steady_clock::time_point shown;
        // Runs once the window's event loop has shown it; a progress window, shown while a
        // slow stick is read, is passed over.
        std::function<void()> closeWhenShown = [&] {
            QWidget* window = QApplication::activeModalWidget();
            if (qobject_cast<QProgressDialog*>(window) != nullptr) {
                QTimer::singleShot(0, closeWhenShown);
                return;
            }
            shown = std::chrono::steady_clock::now();
            if (auto* diaryWindow = qobject_cast<QDialog*>(window))
                diaryWindow->reject();
        };
        QTimer::singleShot(0, closeWhenShown);
        morvane::ViewerReading reading(progress, "Diary");
        morvane::viewDiary(messages, reading, dialog);
        took.push_back(std::chrono::duration<double, std::milli>(shown - start).count());
    }
    std::sort(took.begin(), took.end());
    std::printf("%.2f\n", took[took.size() / 2]);
    return 0;
}
