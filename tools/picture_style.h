// Colours and the font shared by everything drawn on the pictures.
#pragma once

#include <QColor>
#include <QFont>

namespace bankgen {

inline const QColor kOutline(40, 40, 40);
inline const QColor kSignRed(204, 24, 30);
inline const QColor kSignBlue(0, 82, 164);
inline const QColor kSignYellow(255, 204, 0);
inline const QColor kGrass(140, 186, 104);
inline const QColor kAsphalt(112, 112, 112);
inline const QColor kMarking(245, 245, 245);

inline QFont boldFont(int pixels) {
    QFont f;
    f.setFamilies({"Liberation Sans", "DejaVu Sans", "Sans Serif"});
    f.setPixelSize(pixels);
    f.setBold(true);
    return f;
}

} // namespace bankgen
