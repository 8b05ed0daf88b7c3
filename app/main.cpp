// The trainer starts on the traffic-situation window.
#include "app/window_switch.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kviz::TestWindows windows(kviz::systemServices());
    windows.start();
    return app.exec();
}
