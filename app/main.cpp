// The trainer starts on the traffic-situation window.
#include "choice_picture/frm_slisaobrsitsaponudj_abcd_odgovorima.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    auto window =
        std::make_unique<kviz::frmSlisaobrsitsaponudjABCDodgovorima>(kviz::systemServices());
    window->show();
    return app.exec();
}
