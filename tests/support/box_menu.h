// Chooses an item of a text box's own menu, opened by a right click on the box.
#pragma once

#include <QApplication>
#include <QMenu>
#include <QTest>

namespace kviz::testing {

// False when the menu did not open or had no such item enabled.
inline bool chooseFromBoxMenu(QWidget* box, const QString& item) {
    QTest::mouseClick(box->window()->windowHandle(), Qt::RightButton, {},
                      box->mapTo(box->window(), box->rect().center()));
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr)
        return false;
    bool chosen = false;
    for (QAction* action : menu->actions())
        if (!chosen && action->isEnabled() &&
            action->text().section('\t', 0, 0).remove('&') == item)
            chosen = (action->trigger(), true);
    menu->close();
    return chosen;
}

} // namespace kviz::testing
