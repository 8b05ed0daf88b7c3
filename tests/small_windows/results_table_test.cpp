#include "app/kvizomat_module.h"
#include "platform/fakes.h"
#include "small_windows/frm_skracenatabela.h"
#include "tests/support/qt_print.h"

#include <QMainWindow>
#include <QTest>
#include <gtest/gtest.h>

namespace kviz {
namespace {

class ResultsTable : public ::testing::Test {
protected:
    ResultsTable() { basKvizomat = SharedVariables{}; }
    std::unique_ptr<frmSkracenatabela> open(int answered, int correct, const char* name) {
        basKvizomat.answeredCount = answered;
        basKvizomat.correctCount = correct;
        basKvizomat.candidateName = name;
        auto table = std::make_unique<frmSkracenatabela>(fakes.services());
        table->show();
        return table;
    }
    FakeServices fakes;
};

TEST_F(ResultsTable, ShowsTheCountsTheGradeAndTheShares) {
    struct Case {
        int answered, correct;
        const char *right, *wrong, *grade;
        double first, second;
    };
    const Case cases[] = {
        {10, 9, "Tacnih odgovora: 9", "Netacnih odgovora: 1", " POLOZIO(90%)", 36, 324},
        {3, 2, "Tacnih odgovora: 2", "Netacnih odgovora: 1", " NIJE POLOZIO(66%)", 120, 240},
        {4, 4, "Tacnih odgovora: 4", "Netacnih odgovora: 0", " POLOZIO(100%)", 0, 360},
    };
    for (const auto& c : cases) {
        auto table = open(c.answered, c.correct, "NOVI KANDIDAT");
        EXPECT_EQ(table->caption(), "Skracena tabela sa rezultatima testa");
        EXPECT_EQ(table->lblTacnodg->caption(), c.right);
        EXPECT_EQ(table->lblNetacodg->caption(), c.wrong);
        EXPECT_EQ(table->lblOcNijepolPoluskrtab->caption(), c.grade);
        EXPECT_EQ(table->lblKandidatskrtabela->caption(), " NOVI KANDIDAT");
        EXPECT_DOUBLE_EQ(table->MSChart1->first(), c.first);
        EXPECT_DOUBLE_EQ(table->MSChart1->second(), c.second);
        EXPECT_TRUE(table->MSChart1->visible());
    }
}

TEST_F(ResultsTable, EscAndIzlazClose) {
    auto table = open(2, 1, "ANA");
    QTest::keyClick(table->window()->focusWidget() ? table->window()->focusWidget()
                                                   : table->window(),
                    Qt::Key_Escape);
    EXPECT_TRUE(table->unloaded());
    auto again = open(2, 1, "ANA");
    again->cmdIzlaz->press();
    EXPECT_TRUE(again->unloaded());
}

TEST_F(ResultsTable, NothingCountedShowsNoChartAndNoGrade) {
    auto table = open(0, 0, "PERA");
    EXPECT_EQ(fakes.beeper.count, 1);
    EXPECT_FALSE(table->MSChart1->visible());
    EXPECT_EQ(table->lblKandidatskrtabela->caption(), " PERA");
    EXPECT_EQ(table->lblTacnodg->caption(), "Tacnih odgovora: 0");
    EXPECT_EQ(table->lblOcNijepolPoluskrtab->caption(), " NIJE POLOZIO");
}

TEST_F(ResultsTable, Layout) {
    auto table = open(1, 1, "ANA");
    EXPECT_EQ(table->surface()->size(), QSize(365, 366));
    EXPECT_EQ(table->MSChart1->left(), 1140);
    EXPECT_EQ(table->cmdIzlaz->caption(), "&Izlaz");
    EXPECT_EQ(table->cmdIzlaz->top(), 4940);
}

} // namespace
} // namespace kviz
