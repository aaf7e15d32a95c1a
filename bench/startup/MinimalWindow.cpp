// The yardstick of the start-up bench: a bare Qt 6 main window of the game's size with a menu bar.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("File"));
    auto* area = new QWidget(&window);
    area->setFixedSize(515, 577);  // the game's well and panels
    window.setCentralWidget(area);
    window.show();
    return QApplication::exec();
}
