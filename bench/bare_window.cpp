// The floor for start-up: a Qt main window of the program's size with a menu bar and nothing
// else, started the same way, so that the start-up benchmark can say what the program adds.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare window of Tintara size"));
    window.menuBar()->addMenu(QStringLiteral("Tintara Studio"));
    auto* central = new QWidget;
    central->setFixedSize(716, 490);
    window.setCentralWidget(central);
    window.show();
    return QApplication::exec();
}
