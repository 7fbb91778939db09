// The baseline of morvane's start-up time: a bare Qt main window with a tree and a list,
// started the same way, that shows one line "Summary:" and reads no stick.
#include <QApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QMainWindow>
#include <QTreeWidget>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QMainWindow window;
    auto* centre = new QWidget(&window);
    auto* layout = new QHBoxLayout(centre);
    auto* tree = new QTreeWidget(centre);
    tree->setHeaderHidden(true);
    tree->addTopLevelItem(new QTreeWidgetItem(QStringList{QStringLiteral("Summary")}));
    auto* list = new QListWidget(centre);
    list->addItem(QStringLiteral("Summary:"));
    layout->addWidget(tree);
    layout->addWidget(list);
    window.setCentralWidget(centre);
    window.show();
    return QApplication::exec();
}
