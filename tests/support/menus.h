// Menus chosen as a user chooses them: by mouse clicks on the menu bar and the menus it opens,
// or on a text box's own menu.
#pragma once

#include "platform/controls.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <vector>

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

// Clicks the item's title on the menu bar and then the item in each menu that opens on the way.
// A disabled item closes its menu and runs nothing, as a click on it does.
inline void chooseFromMenuBar(MenuItem* item) {
    std::vector<QAction*> path{item->action()};
    QMenuBar* bar = nullptr;
    while (bar == nullptr) {
        QMenu* holder = nullptr;
        for (QObject* object : path.back()->associatedObjects()) {
            bar = bar != nullptr ? bar : qobject_cast<QMenuBar*>(object);
            holder = holder != nullptr ? holder : qobject_cast<QMenu*>(object);
        }
        if (bar == nullptr && holder == nullptr)
            return; // on no menu
        if (bar == nullptr)
            path.push_back(holder->menuAction());
    }
    QWidget* clicked = bar;
    QRect place = bar->actionGeometry(path.back());
    for (auto step = path.rbegin(); step != path.rend(); ++step) {
        if (step != path.rbegin()) {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (menu == nullptr)
                break;
            clicked = menu;
            place = menu->actionGeometry(*step);
        }
        QTest::mouseMove(clicked, place.center());
        QTest::mouseClick(clicked, Qt::LeftButton, {}, place.center());
    }
    while (QWidget* open = QApplication::activePopupWidget())
        open->close();
}

} // namespace kviz::testing
