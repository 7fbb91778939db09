// A Qt plugin for checking a packaged `morvane` from outside: started with
// QT_QPA_GENERIC_PLUGINS=morvane_start_check and QT_PLUGIN_PATH naming the folder above
// this plugin's generic/ folder, the program loads it at start-up. The plugin then waits
// for a visible widget whose first line is "Summary:", prints that widget's lines to
// standard output and ends the program with status 0; when none appears within 30 s it
// says so on standard error and ends the program with status 1. On the way it answers
// every modal dialog as a user who closes it would: it prints a message box's text as
// "message: TEXT", or another dialog's title as "dialog: TITLE", on standard error, and
// closes it. The program itself carries no option for this; scripts/check-release.sh and
// the start tests use the plugin.
#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QGenericPlugin>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>

namespace {

constexpr int kPollMilliseconds = 50;
constexpr qint64 kPatienceMilliseconds = 30000;

// The lines a widget shows: the rows of a list, or the text of a text box.
QStringList shownLines(const QWidget* widget)
{
    if (const auto* view = qobject_cast<const QAbstractItemView*>(widget)) {
        QStringList lines;
        const QAbstractItemModel* model = view->model();
        const QModelIndex root = view->rootIndex();
        for (int row = 0; model != nullptr && row < model->rowCount(root); ++row)
            lines << model->index(row, 0, root).data().toString();
        return lines;
    }
    if (const auto* text = qobject_cast<const QPlainTextEdit*>(widget))
        return text->toPlainText().split(QLatin1Char('\n'));
    if (const auto* text = qobject_cast<const QTextEdit*>(widget))
        return text->toPlainText().split(QLatin1Char('\n'));
    return {};
}

class SummaryWatch : public QObject {
public:
    SummaryWatch()
    {
        connect(&timer_, &QTimer::timeout, this, &SummaryWatch::look);
        timer_.start(kPollMilliseconds);
        waited_.start();
    }

private:
    // Closes the modal dialog that is open, if any, and says what it showed.
    static bool closeModalDialog()
    {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr)
            return false;
        if (const auto* box = qobject_cast<const QMessageBox*>(dialog))
            std::fprintf(stderr, "message: %s\n", box->text().toUtf8().constData());
        else
            std::fprintf(stderr, "dialog: %s\n", dialog->windowTitle().toUtf8().constData());
        std::fflush(stderr);
        dialog->reject();
        return true;
    }

    void look()
    {
        if (closeModalDialog())
            return;
        for (const QWidget* window : QApplication::topLevelWidgets()) {
            if (!window->isVisible())
                continue;
            for (const QWidget* widget : window->findChildren<QWidget*>()) {
                const QStringList lines = widget->isVisible() ? shownLines(widget) : QStringList();
                if (!lines.isEmpty() && lines.first() == QLatin1String("Summary:")) {
                    for (const QString& line : lines)
                        std::printf("%s\n", line.toUtf8().constData());
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                    return;
                }
            }
        }
        if (waited_.hasExpired(kPatienceMilliseconds)) {
            std::fprintf(stderr, "morvane_start_check: no window showed the Summary within %lld ms\n",
                         static_cast<long long>(kPatienceMilliseconds));
            QCoreApplication::exit(1);
        }
    }

    QTimer timer_;
    QElapsedTimer waited_;
};

}  // namespace

class StartCheckPlugin : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "StartCheckPlugin.json")

public:
    QObject* create(const QString&, const QString&) override { return new SummaryWatch; }
};

#include "StartCheckPlugin.moc"
