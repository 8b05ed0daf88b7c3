// The mouse and the keys as a user moves, clicks and types: on a control, or at a place of a
// form's surface given in its units, on the pixel nearest to it; a text box typed over.
#pragma once

#include "platform/form.h"

#include <QMainWindow>
#include <QTest>

namespace kviz::testing {

inline void click(Control* control, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(control->widget(), button);
}
inline void moveTo(Form& w, QPointF units) {
    QTest::mouseMove(w.window()->windowHandle(),
                     w.surface()->mapTo(w.window(), w.canvas().pixelsFromUnits(units).toPoint()));
}
inline void clickAt(Form& w, QPointF units, Qt::MouseButton button = Qt::LeftButton) {
    QTest::mouseClick(w.window()->windowHandle(), button, {},
                      w.surface()->mapTo(w.window(), w.canvas().pixelsFromUnits(units).toPoint()));
}

// Focuses the box, takes back what it holds with Backspace, and types the text.
inline void retype(TextBox* box, const QString& text) {
    box->setFocus();
    QTest::keyClicks(box->widget(), QString(box->text().size(), '\b') + text);
}

} // namespace kviz::testing
