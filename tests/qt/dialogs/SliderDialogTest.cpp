// The two slider editors' Qt window driven through the real flows on copies of the sample
// stick: what "Save" leaves on the stick is what morvane-cli leaves with the same
// choices, leaving any other way leaves the stick alone, and the window carries the Win32
// dialog's texts, ranges and tab order.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>

#include <sstream>

#include "cli/StreamMessages.h"
#include "dialogs/SkillLevelsEditor.h"
#include "dialogs/VolumePresetsEditor.h"
#include "dialogs/qt/SliderDialog.h"
#include "tests/qt/QtTestSupport.h"

namespace morvane::test {

using namespace morvane::qt;
namespace {

// An editor's flow and window, and what the Win32 dialog shows.
struct Editor {
    QString command;   // morvane-cli's
    const char* file;  // the file it saves, on the stick
    const SliderDialogTexts& texts;
    EditOutcome (*edit)(const EditorServices&);
    QString title;
    QStringList labels;  // top slider first
    int maximum;
    QString presetsBox;
    QStringList tabOrder;  // sliders named by their labels
};

const QStringList kSkillLabels{"Maturity:", "Walk Skill:", "Ball Skill:", "Bone Skill:"};
const QStringList kVolumeLabels{"Volume 0:", "Volume 1:", "Volume 2:", "Volume 3:"};
const Editor kSkills{"skills",
                     "OPEN-R/APP/DATA/P/FVAR",
                     kSkillLevelsDialogTexts,
                     editSkillLevels,
                     "Skill Levels",
                     kSkillLabels,
                     10000,
                     "Presets:",
                     QStringList{"Save", "Cancel", "Adult", "Baby", "NewBorn"} + kSkillLabels};
const Editor kVolume{"volume",
                     "OPEN-R/MW/CONF/VOLUME.CFG",
                     kVolumeDialogTexts,
                     editVolumePresets,
                     "Volume Settings",
                     kVolumeLabels,
                     63,
                     QString(),
                     kVolumeLabels + QStringList{"Default", "Loud", "Quiet", "Save", "Cancel"}};

const Editor& editorFor(const QString& command) { return command == "skills" ? kSkills : kVolume; }

// The slider that the label `text` names.
QSlider* sliderLabelled(QDialog& dialog, const QString& text)
{
    for (QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->text() == text)
            return qobject_cast<QSlider*>(label->buddy());
    }
    return nullptr;
}

// The text of a button, or the label of a slider.
QString nameOf(QDialog& dialog, QWidget* widget)
{
    if (auto* button = qobject_cast<QPushButton*>(widget))
        return button->text();
    for (const QString& label : kSkillLabels + kVolumeLabels) {
        if (sliderLabelled(dialog, label) == widget)
            return label;
    }
    return {};
}

// Each label right of its slider's left edge and level with it, the sliders one under
// another and at least 213 pixels wide; the presets in a column to their right from the
// top; "Save" left of "Cancel", both under the sliders and centred under them.
void expectTheWin32Places(QDialog& dialog, const Editor& editor)
{
    QRect above;
    for (const QString& text : editor.labels) {
        QLabel* label = nullptr;
        for (QLabel* candidate : dialog.findChildren<QLabel*>())
            if (candidate->text() == text)
                label = candidate;
        const QRect slider = placeIn(*sliderLabelled(dialog, text), dialog);
        const QRect labelPlace = placeIn(*label, dialog);
        QVERIFY2(labelPlace.right() < slider.left(), qPrintable(text));
        QVERIFY2(qAbs(labelPlace.center().y() - slider.center().y()) <= 1, qPrintable(text));
        QVERIFY2(slider.width() >= 213, qPrintable(text));
        QVERIFY2(above.isNull() || (slider.top() > above.bottom() && slider.left() == above.left()),
                 qPrintable(text));
        above = slider;
    }
    const QRect first = placeIn(*sliderLabelled(dialog, editor.labels.front()), dialog);
    for (const QString& preset : editor.tabOrder) {
        if (preset == "Save" || preset == "Cancel" || editor.labels.contains(preset))
            continue;
        const QRect button = placeIn(*buttonLabelled(dialog, preset), dialog);
        QVERIFY2(button.left() > first.right() && button.top() >= first.top(), qPrintable(preset));
    }
    const QRect save = placeIn(*buttonLabelled(dialog, "Save"), dialog);
    const QRect cancel = placeIn(*buttonLabelled(dialog, "Cancel"), dialog);
    QVERIFY(save.top() > above.bottom() && save.top() == cancel.top() && save.right() < cancel.left());
    QVERIFY(qAbs((save.left() + cancel.right()) / 2 - first.center().x()) <= 1);
}

// Runs the editor's flow on the opened stick with the Qt window.
EditOutcome runEditor(const Editor& editor, OpenedStick& stick, std::ostream& messageStream)
{
    cli::StreamMessages messages(messageStream);
    SliderDialog view(nullptr, editor.texts);
    MemoryInfoList list;
    return editor.edit({messages, view, list, stick.root, systemFileOperations()});
}

}  // namespace

class SliderDialogTest : public QObject {
    Q_OBJECT

private slots:
    void saveWritesWhatTheCliWrites_data();
    void saveWritesWhatTheCliWrites();
    void leavingWithoutSaveWritesNothing_data();
    void leavingWithoutSaveWritesNothing();
    void windowHasTheWin32Texts();
};

void SliderDialogTest::saveWritesWhatTheCliWrites_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("compressed");
    QTest::addColumn<QStringList>("cliChoices");
    QTest::addColumn<QString>("preset");
    QTest::addColumn<QString>("slider");
    QTest::addColumn<int>("position");
    QTest::newRow("skills") << "skills" << false << QStringList{"--preset", "baby"} << "Baby"
                            << "" << 0;
    QTest::newRow("skills, gzip, warns")
        << "skills" << true << QStringList{"--preset", "newborn", "--walk", "10"} << "NewBorn"
        << "Walk Skill:" << 10;
    QTest::newRow("volume") << "volume" << false << QStringList{"--preset", "loud", "--volume0", "5"}
                            << "Loud"
                            << "Volume 0:" << 5;
    QTest::newRow("volume, gzip") << "volume" << true << QStringList{"--preset", "quiet", "--volume3", "63"}
                                  << "Quiet"
                                  << "Volume 3:" << 63;
}

// The choices are made as a user makes them: a click on the preset, then one slider
// dragged. A warning goes through the same messages as morvane-cli's.
void SliderDialogTest::saveWritesWhatTheCliWrites()
{
    QFETCH(QString, command);
    QFETCH(bool, compressed);
    QFETCH(QStringList, cliChoices);
    QFETCH(QString, preset);
    QFETCH(QString, slider);
    QFETCH(int, position);
    const Editor& editor = editorFor(command);
    QTemporaryDir byCli;
    QTemporaryDir byDialog;
    QVERIFY(makeSampleStick(byCli.path(), compressed) && makeSampleStick(byDialog.path(), compressed));
    const CliRun opening = runCli({command, byCli.path()});
    const CliRun cli = runCli(QStringList{command, byCli.path()} + cliChoices);
    QCOMPARE(cli.status, 0);

    OpenedStick stick(byDialog.path());
    QVERIFY(stick.opened());
    QStringList openedWith;
    answerNextModal([&](QDialog& dialog) {
        for (const QString& label : editor.labels)
            openedWith << QString::number(sliderLabelled(dialog, label)->value());
        QVERIFY(clickButton(dialog, preset));
        if (QSlider* dragged = sliderLabelled(dialog, slider))
            dragged->setValue(position);
        QVERIFY(clickButton(dialog, "Save"));
    });
    std::ostringstream messages;
    QCOMPARE(runEditor(editor, stick, messages), EditOutcome::Saved);
    QStringList cliOpenedWith;
    for (const QString& line : QString(opening.out).split('\n', Qt::SkipEmptyParts))
        cliOpenedWith << line.section('=', 1);
    QCOMPARE(openedWith, cliOpenedWith);
    QCOMPARE(QByteArray::fromStdString(messages.str()), cli.err);
    const QByteArray saved = fileBytes(byDialog.filePath(editor.file));
    QCOMPARE(saved, fileBytes(byCli.filePath(editor.file)));
    QCOMPARE(saved.startsWith("\x1f\x8b"), compressed);
}

void SliderDialogTest::leavingWithoutSaveWritesNothing_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("leave");
    QTest::newRow("skills, Cancel") << "skills"
                                    << "Cancel";
    QTest::newRow("skills, Escape") << "skills"
                                    << "Escape";
    QTest::newRow("volume, close box") << "volume"
                                       << "close box";
}

void SliderDialogTest::leavingWithoutSaveWritesNothing()
{
    QFETCH(QString, command);
    QFETCH(QString, leave);
    const Editor& editor = editorFor(command);
    QTemporaryDir dir;
    QVERIFY(makeSampleStick(dir.path(), false));
    const QByteArray before = fileBytes(dir.filePath(editor.file));
    OpenedStick stick(dir.path());
    QVERIFY(stick.opened());
    answerNextModal([&](QDialog& dialog) {
        QVERIFY(clickButton(dialog, command == "skills" ? "Adult" : "Loud"));
        if (leave == "Cancel")
            QVERIFY(clickButton(dialog, "Cancel"));
        else if (leave == "Escape")
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            dialog.close();
    });
    std::ostringstream messages;
    QCOMPARE(runEditor(editor, stick, messages), EditOutcome::Cancelled);
    QCOMPARE(fileBytes(dir.filePath(editor.file)), before);
}

// Texts are compared whole: the Win32 texts carry no access keys, so an '&' fails them.
// The tab order starts with the widget that has the focus when the window opens and
// comes back to it.
void SliderDialogTest::windowHasTheWin32Texts()
{
    QTemporaryDir dir;
    QVERIFY(makeSampleStick(dir.path(), false));
    OpenedStick stick(dir.path());
    QVERIFY(stick.opened());
    for (const Editor* editor : {&kSkills, &kVolume}) {
        answerNextModal([&](QDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), editor->title);
            for (const QString& label : editor->labels)
                QCOMPARE(sliderLabelled(dialog, label)->maximum(), editor->maximum);
            const QList<QGroupBox*> boxes = dialog.findChildren<QGroupBox*>();
            QCOMPARE(boxes.isEmpty() ? QString() : boxes.front()->title(), editor->presetsBox);
            QStringList order;
            QWidget* widget = dialog.focusWidget();
            QVERIFY(widget != nullptr);
            for (; order.size() <= editor->tabOrder.size(); widget = widget->nextInFocusChain()) {
                if (widget->focusPolicy() & Qt::TabFocus)
                    order << nameOf(dialog, widget);
            }
            QCOMPARE(order, editor->tabOrder + editor->tabOrder.mid(0, 1));
            for (const QPushButton* button : dialog.findChildren<QPushButton*>())
                QCOMPARE(button->isDefault(), button->text() == "Save");
            expectTheWin32Places(dialog, *editor);
            QVERIFY(clickButton(dialog, "Cancel"));
        });
        std::ostringstream messages;
        QCOMPARE(runEditor(*editor, stick, messages), EditOutcome::Cancelled);
    }
}

}  // namespace morvane::test

QTEST_MAIN(morvane::test::SliderDialogTest)
#include "SliderDialogTest.moc"
