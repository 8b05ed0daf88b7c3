// The one-second tick: the clock, the working minutes and their limit, the moving help line
// and the working-time items whose time has passed. The working clock is monotonic, so the
// time of day (midnight included) has no part in it.
#include "core/work_time.h"
#include "design/test_window.h"

#include <algorithm>

namespace kviz {

void TestWindow::tmrTimer1_Timer() {
    if (ending || unloaded())
        return;
    clockText = services().clock->timeOfDayText();
    const double elapsed = services().clock->seconds() - workStartTime;
    elapsedMinutes = elapsedWorkMinutes(elapsed);
    ProgressBar1->setValue(std::min(elapsedMinutes, ProgressBar1->max()));
    if (WorkLimitReached()) {
        // A box or window of the program open at the limit is answered first, so none is shown
        // twice: the end follows at the tick after it closes, and the results table open at the
        // limit is the one the end would show.
        if (services().dialogs->anyOpen()) {
            limitMetTheTable = limitMetTheTable || resultsTableOpen;
            return;
        }
        EndAtLimit();
        return;
    }
    lblTekucevreme->setCaption(clockText);
    ShowElapsedTime();

    helpLineX += helpLineMovingRight ? 150 : -150;
    if (helpLineX <= 150)
        helpLineMovingRight = true;
    if (helpLineX > layout_.helpLineRightBound)
        helpLineMovingRight = false;
    if (mnuPodesavanjaPomocuprvomredu->checked() && lblPomocuprvomredu->visible())
        lblPomocuprvomredu->setLeft(helpLineX);

    for (std::size_t i = 0; i < shortWorkTimeItems.size(); ++i)
        if (elapsedMinutes >= kShortWorkLimits[i])
            shortWorkTimeItems[i]->setEnabled(false);

    if (quickReviewMode && !modeStartBoxOpen)
        DemonstrationStep();
}

bool TestWindow::WorkLimitReached() {
    return !endDeclinedAtLimit &&
           workLimitReached(services().clock->seconds() - workStartTime, workLimitMinutes);
}

void TestWindow::EndAtLimit(std::optional<SaveOutcome> saved) {
    // Kept open after a failed save, the window is ended by the user, not at every tick.
    const bool withTable = !limitMetTheTable;
    limitMetTheTable = false;
    endDeclinedAtLimit = !EndWork(withTable, true, saved);
}

void TestWindow::ShowElapsedTime() {
    lblProteklovreme->setCaption(QString("Proteklo vreme: %1. minuta od %2. minuta")
                                     .arg(elapsedMinutes)
                                     .arg(workLimitMinutes));
}

void TestWindow::ChooseWorkLimit(MenuItem* item, int minutes) {
    if (!item->checked())
        item->setChecked(true);
    workLimitMinutes = minutes;
    endDeclinedAtLimit = false; // a new limit, reached, ends the work again
    ProgressBar1->setMax(minutes);
    ShowElapsedTime();
    // The six items are one group: the chosen one alone stays checked.
    for (MenuItem* other : shortWorkTimeItems)
        if (other != item && other->checked())
            other->setChecked(false);
    if (item != vremerada && vremerada->checked())
        vremerada->setChecked(false);
}

void TestWindow::vremerada_Click() { ChooseWorkLimit(vremerada, 360); }

void TestWindow::UncheckWorkTimeMenus() {
    for (MenuItem* item : shortWorkTimeItems)
        item->setChecked(false);
}

} // namespace kviz
