// One run through the page keys, a review and the demonstration of a typed window with three
// questions, by real keys on the shown, active window: where each step leads, and whether a mode
// runs after it.
#pragma once

#include "design/test_window.h"

#include <QApplication>
#include <QMainWindow>
#include <QTest>
#include <gtest/gtest.h>

namespace kviz::testing {

inline void pageKeysStepAndEscLeavesAMode(TestWindow& w) {
    QApplication::setActiveWindow(w.window());
    ASSERT_TRUE(QTest::qWaitForWindowActive(w.window())) << w.caption().toStdString();
    const struct {
        const char* step;
        Qt::Key key;            // or
        CommandButton* pressed; // a button pressed
        int question;
        bool inMode;
    } steps[] = {
        {"PageDown", Qt::Key_PageDown, nullptr, 2, false},
        {"PageUp", Qt::Key_PageUp, nullptr, 1, false},
        {"review", {}, w.cmdPregled, 1, true},
        {"PageDown in the review", Qt::Key_PageDown, nullptr, 2, true},
        {"Esc", Qt::Key_Escape, nullptr, 1, false},
        {"demonstration", {}, w.cmdBrziPregled, 1, true},
        {"PageDown in it", Qt::Key_PageDown, nullptr, 2, true},
        {"PageDown again", Qt::Key_PageDown, nullptr, 3, true},
        {"PageUp in it", Qt::Key_PageUp, nullptr, 2, true},
        {"Esc in it", Qt::Key_Escape, nullptr, 1, true}, // it ends at the next tick
    };
    for (const auto& step : steps) {
        if (step.pressed != nullptr) {
            step.pressed->press();
        } else {
            QWidget* target = w.window()->focusWidget();
            QTest::keyClick(target != nullptr ? target : w.window(), step.key);
        }
        EXPECT_EQ(w.questionIndex, step.question) << step.step << w.caption().toStdString();
        EXPECT_EQ(w.reviewMode || w.quickReviewMode, step.inMode)
            << step.step << w.caption().toStdString();
    }
    w.tmrTimer1_Timer();
    EXPECT_FALSE(w.quickReviewMode) << w.caption().toStdString();
}

} // namespace kviz::testing
