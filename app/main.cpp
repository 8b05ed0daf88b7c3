// The trainer starts on the traffic-situation window, unless another copy runs on the same
// state folder.
#include "app/single_copy.h"
#include "app/window_switch.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kviz::SingleCopy copy(kviz::systemServices());
    if (!copy.claim())
        return 1;
    kviz::WindowHost windows(kviz::systemServices());
    windows.start();
    return app.exec();
}
