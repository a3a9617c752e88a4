// The yardstick for start-up time and memory: the least a Qt Widgets program does to put one
// empty window on the screen. It has the size of the game's start-up window, so both paint
// the same number of pixels.

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(425, 192);
    window.show();
    return application.exec();
}
