// The slotList' lines stand in the system's fixed-pitch font, as the diary's do; "Play" and
// "Save As..." are greyed until a slot is chosen.
#include "dialogs/qt/VoiceDialog.h"

#include <QDialog>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/qt/ProblemBox.h"
#include "dialogs/qt/QtText.h"

namespace morvane::qt {

// The slots at the left, the buttons at the right, what could not be read below.
void VoiceDialog::runModal(VoiceRecords& voices)
{
    QDialog dialog(parent_);
    dialog.setWindowTitle("Voice Recordings");
    auto* grid = new QGridLayout(&dialog);
    auto* slotList = new QListWidget(&dialog);
    slotList->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    slotList->setMinimumSize(200, 240);
    for (const std::string& line : voices.lines())
        slotList->addItem(qtText(line));
    auto* play = new QPushButton("Play", &dialog);
    auto* save = new QPushButton("Save As...", &dialog);
    auto* done = new QPushButton("Done", &dialog);
    play->setEnabled(false);
    save->setEnabled(false);
    done->setDefault(true);
    // The chosen slot is the selected one: the list makes its first line current, not
    // selected, when it takes the focus.
    const auto chosen = [slotList] { return static_cast<std::size_t>(slotList->currentRow()); };
    QObject::connect(slotList, &QListWidget::itemSelectionChanged, &dialog, [slotList, play, save] {
        const bool any = !slotList->selectedItems().isEmpty();
        play->setEnabled(any);
        save->setEnabled(any);
    });
    QObject::connect(play, &QPushButton::clicked, &dialog, [&voices, chosen] { voices.play(chosen()); });
    QObject::connect(save, &QPushButton::clicked, &dialog, [&voices, chosen] { voices.saveAs(chosen()); });
    QObject::connect(done, &QPushButton::clicked, &dialog, &QDialog::accept);
    grid->addWidget(new QLabel("Slots:", &dialog), 0, 0);
    grid->addWidget(slotList, 1, 0, 3, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(play);
    buttons->addWidget(save);
    buttons->addStretch();
    grid->addLayout(buttons, 1, 1);
    grid->addWidget(problemBox(voices.problems(), &dialog), 4, 0);
    grid->addWidget(done, 4, 1, Qt::AlignBottom);
    dialog.exec();
}

}  // namespace morvane::qt
