#include "dialogs/qt/ProblemBox.h"

#include "dialogs/qt/QtText.h"

namespace morvane::qt {
namespace {

constexpr int kLinesShown = 4;

}  // namespace

QPlainTextEdit* problemBox(const std::vector<std::string>& problems, QWidget* parent)
{
    QStringList lines;
    for (const std::string& problem : problems)
        lines << qtText(problem);
    auto* box = new QPlainTextEdit(lines.join('\n'), parent);
    box->setObjectName("problems");
    box->setReadOnly(true);
    box->setLineWrapMode(QPlainTextEdit::NoWrap);
    const int frame = 2 * box->frameWidth() + static_cast<int>(2 * box->document()->documentMargin());
    box->setFixedHeight(box->fontMetrics().lineSpacing() * kLinesShown + frame);
    box->setVisible(!problems.empty());
    return box;
}

}  // namespace morvane::qt
