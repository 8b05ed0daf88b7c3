// The one-second tick on a clock driven by hand: working minutes, limits, the help line.
#include "tests/choice_picture/picture_window.h"
#include "tests/support/menus.h"

namespace kviz {
namespace {

using WorkingTime = testing::PictureWindowTest;

class Ticking : public WorkingTime {
protected:
    void tickAt(TestWindow& w, double elapsed) {
        fakes.clock.now = w.workStartTime + elapsed;
        w.tmrTimer1_Timer();
    }
};

TEST_F(Ticking, ShortItemsAreDisabledAsTimePasses) {
    auto w = start();
    const std::pair<double, int> steps[] = {{270, 0}, {271, 1}, {569, 1},  {570, 2},
                                            {870, 2}, {871, 3}, {1770, 4}, {2671, 5}};
    for (auto [seconds, disabled] : steps) {
        tickAt(*w, seconds);
        int count = 0;
        for (MenuItem* item : w->shortWorkTimeItems)
            count += item->enabled() ? 0 : 1;
        EXPECT_EQ(count, disabled) << seconds;
    }
    EXPECT_TRUE(w->vremerada->enabled());
    EXPECT_EQ(w->elapsedMinutes, 45);
    EXPECT_EQ(w->ProgressBar1->value(), 45);
    EXPECT_EQ(w->lblProteklovreme->caption(), "Proteklo vreme: 45. minuta od 360. minuta");
}

TEST_F(Ticking, FiveMinuteLimitEndsTheWork) {
    auto w = start();
    key(*w, 'b');
    w->ShowNextQuestion();
    testing::chooseFromMenuBar(w->mnuPodesavanjaVremerada5minuta);
    EXPECT_EQ(w->lblProteklovreme->caption(), "Proteklo vreme: 0. minuta od 5. minuta");
    EXPECT_EQ(w->ProgressBar1->max(), 5);
    EXPECT_TRUE(w->mnuPodesavanjaVremerada5minuta->checked());
    EXPECT_FALSE(w->vremerada->checked());
    tickAt(*w, 271);
    EXPECT_EQ(w->lblProteklovreme->caption(), "Proteklo vreme: 5. minuta od 5. minuta");
    EXPECT_FALSE(w->mnuPodesavanjaVremerada5minuta->enabled());
    fakes.dialogs.answers = {"pera"};
    tickAt(*w, 299);
    EXPECT_EQ(fakes.programEnd.count, 0);
    tickAt(*w, 300);
    EXPECT_EQ(fakes.programEnd.count, 1);
    EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Modal), 1); // the results table
    EXPECT_TRUE(std::filesystem::exists(stateRoot() / "SSITABCD" / "BrZadPit.1"));
    EXPECT_TRUE(w->unloaded());
}

TEST_F(Ticking, FortyFiveMinuteLimitWithNothingAnsweredBeeps) {
    auto w = start();
    testing::chooseFromMenuBar(w->mnuPodesavanjaVremerada45minuta);
    EXPECT_EQ(w->ProgressBar1->max(), 45);
    fakes.dialogs.answers = {""};
    tickAt(*w, 2699);
    EXPECT_EQ(fakes.programEnd.count, 0);
    tickAt(*w, 2700);
    EXPECT_EQ(fakes.programEnd.count, 1);
    EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Modal), 0);
    EXPECT_EQ(beeps(), 1);
}

TEST_F(Ticking, WorkingTimeItemsFormAGroup) {
    auto w = start();
    const std::array<MenuItem*, 6> group = {
        w->mnuPodesavanjaVremerada5minuta,  w->mnuPodesavanjaVremerada10minuta,
        w->mnuPodesavanjaVremerada15minuta, w->mnuPodesavanjaVremerada30minuta,
        w->mnuPodesavanjaVremerada45minuta, w->vremerada};
    const int limits[6] = {5, 10, 15, 30, 45, 360};
    // Chosen in this order, an item chosen twice in a row included.
    for (int chosen : {1, 5, 5, 0, 1, 4, 4, 2, 5, 3}) {
        testing::chooseFromMenuBar(group[static_cast<std::size_t>(chosen)]);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(group[static_cast<std::size_t>(i)]->checked(), i == chosen)
                << "chosen " << limits[chosen] << ", item " << limits[i];
        EXPECT_EQ(w->workLimitMinutes, limits[chosen]);
        EXPECT_EQ(w->ProgressBar1->max(), limits[chosen]);
    }
}

TEST_F(Ticking, HelpLineSwingsBetweenItsBounds) {
    auto w = start();
    std::vector<int> positions;
    for (int tick = 1; tick <= 120; ++tick) {
        tickAt(*w, tick);
        positions.push_back(w->helpLineX);
    }
    EXPECT_EQ(positions[0], 2850);
    EXPECT_EQ(positions[18], 150);
    EXPECT_EQ(positions[19], 300);
    EXPECT_EQ(positions[52], 5250);
    EXPECT_EQ(positions[53], 5100);
    EXPECT_EQ(*std::min_element(positions.begin(), positions.end()), 150);
    EXPECT_EQ(*std::max_element(positions.begin(), positions.end()), 5250);
    EXPECT_EQ(w->lblPomocuprvomredu->left(), positions.back());
}

TEST_F(Ticking, HiddenHelpLineKeepsItsPlaceWhileThePositionMoves) {
    auto w = start();
    testing::chooseFromMenuBar(w->mnuPodesavanjaPomocuprvomredu); // off
    EXPECT_FALSE(w->lblPomocuprvomredu->visible());
    const int left = w->lblPomocuprvomredu->left();
    tickAt(*w, 1);
    tickAt(*w, 2);
    EXPECT_EQ(w->helpLineX, 2700);
    EXPECT_EQ(w->lblPomocuprvomredu->left(), left);
    testing::chooseFromMenuBar(w->mnuPodesavanjaPomocuprvomredu); // on: the marquee starts anew
    EXPECT_EQ(w->helpLineX, 3000);
    EXPECT_EQ(w->lblPomocuprvomredu->left(), 3000);
    tickAt(*w, 3);
    EXPECT_EQ(w->lblPomocuprvomredu->left(), 2850);
}

TEST_F(Ticking, HiddenClockAndBarKeepChanging) {
    auto w = start();
    testing::chooseFromMenuBar(w->mnuPodesavanjaTekucevreme);
    testing::chooseFromMenuBar(w->mnuPodesavanjaGrafprprotvremena);
    EXPECT_FALSE(w->lblTekucevreme->visible());
    EXPECT_FALSE(w->ProgressBar1->visible());
    fakes.clock.timeText = "12:34:56";
    tickAt(*w, 95);
    EXPECT_EQ(w->lblTekucevreme->caption(), "12:34:56");
    EXPECT_EQ(w->lblProteklovreme->caption(), "Proteklo vreme: 2. minuta od 360. minuta");
    EXPECT_TRUE(w->lblProteklovreme->visible());
    testing::click(w->imgtoolbar[15]); // the clock back on
    EXPECT_TRUE(w->lblTekucevreme->visible());
    testing::click(w->lblTekucevreme); // a click on the clock hides it
    EXPECT_FALSE(w->lblTekucevreme->visible());
}

TEST_F(Ticking, MidnightDoesNotStopTheClock) {
    auto w = start();
    testing::chooseFromMenuBar(w->mnuPodesavanjaVremerada5minuta);
    fakes.clock.timeText = "23:59:00";
    tickAt(*w, 120);
    fakes.clock.timeText = "00:01:00";
    tickAt(*w, 240);
    EXPECT_EQ(w->elapsedMinutes, 4);
    EXPECT_EQ(w->lblTekucevreme->caption(), "00:01:00");
    fakes.dialogs.answers = {""};
    tickAt(*w, 300);
    EXPECT_EQ(fakes.programEnd.count, 1);
}

TEST_F(Ticking, BarNeverPassesItsMaximum) {
    auto w = start();
    testing::chooseFromMenuBar(w->mnuPodesavanjaVremerada10minuta);
    fakes.dialogs.answers = {""};
    tickAt(*w, 1000); // a late tick, long past the limit
    EXPECT_EQ(w->ProgressBar1->value(), 10);
    EXPECT_EQ(fakes.programEnd.count, 1);
}

TEST_F(Ticking, TheEndRunsOnceWhileItsDialogsAreOpen) {
    auto w = start();
    key(*w, 'b');
    w->ShowNextQuestion();
    testing::chooseFromMenuBar(w->mnuPodesavanjaVremerada5minuta);
    fakes.dialogs.answers = {"pera"};
    int ticksDuringDialogs = 0;
    fakes.dialogs.whileOpen = [&](const DialogCall&) {
        ++ticksDuringDialogs;
        tickAt(*w, 400);
    };
    fakes.dialogs.onModal = [&](Form&) { tickAt(*w, 500); };
    tickAt(*w, 300);
    EXPECT_EQ(ticksDuringDialogs, 1);
    EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Input), 1);
    EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Modal), 1);
    EXPECT_EQ(fakes.programEnd.count, 1);
    EXPECT_FALSE(w->tmrTimer1->enabled());
}

// The limit reached while a box or window of the program is open waits for it, and the end
// follows at the next tick: no box or table is shown twice, and the table open at the limit is
// the one the end shows.
TEST_F(Ticking, TheLimitWaitsForTheBoxOpenAtIt) {
    struct Row {
        const char* name;
        std::function<void(TestWindow&)> open;
        QString answer;
        int inputs, tables;
    };
    const Row rows[] = {
        {"go-to box", [](auto& w) { testing::chooseFromMenuBar(w.mnuPitanjeOdredjenopitanje); },
         "4", 1, 1},
        {"name prompt", [](auto& w) { testing::chooseFromMenuBar(w.mnuKandidat); }, "ana", 1, 1},
        {"reset box", [](auto& w) { testing::chooseFromMenuBar(w.mnuReset); }, "Ne", 1, 1},
        {"results table", [](auto& w) { testing::click(w.cmdTabela); }, "", 0, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        startProgramAgain();
        fakes.dialogs.whileOpen = nullptr;
        fakes.dialogs.onModal = nullptr;
        auto w = startAsAna();
        key(*w, 'b');
        w->ShowNextQuestion();
        testing::chooseFromMenuBar(w->mnuPodesavanjaVremerada5minuta);
        fakes.dialogs.calls.clear();
        fakes.dialogs.answers = {row.answer};
        fakes.dialogs.whileOpen = [&](const DialogCall&) { tickAt(*w, 300); };
        fakes.dialogs.onModal = [&](Form&) { tickAt(*w, 300); };
        const int ends = fakes.programEnd.count;
        row.open(*w);
        EXPECT_EQ(fakes.programEnd.count, ends);
        tickAt(*w, 301);
        EXPECT_EQ(fakes.programEnd.count, ends + 1);
        EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Input), row.inputs);
        EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Modal), row.tables);
    }
}

TEST_F(Ticking, ReturnFromTheResultsTableKeepsTheClock) {
    auto w = start();
    key(*w, 'b');
    w->ShowNextQuestion();
    tickAt(*w, 400);
    ASSERT_FALSE(w->mnuPodesavanjaVremerada5minuta->enabled());
    testing::click(w->cmdTabela);
    EXPECT_EQ(fakes.dialogs.count(DialogCall::Kind::Modal), 1);
    tickAt(*w, 401);
    EXPECT_EQ(w->elapsedMinutes, 7);
    EXPECT_FALSE(w->mnuPodesavanjaVremerada5minuta->enabled());
}

} // namespace
} // namespace kviz
