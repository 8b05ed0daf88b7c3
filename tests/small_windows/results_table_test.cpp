#include "core/kvizomat_module.h"
#include "platform/fakes.h"
#include "small_windows/frm_skracenatabela.h"
#include "tests/support/qt_print.h"

#include <QFontMetrics>
#include <QImage>
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
        {100, 89, "Tacnih odgovora: 89", "Netacnih odgovora: 11", " NIJE POLOZIO(89%)", 39.6,
         320.4},
        {3, 2, "Tacnih odgovora: 2", "Netacnih odgovora: 1", " NIJE POLOZIO(66%)", 120, 240},
        {4, 4, "Tacnih odgovora: 4", "Netacnih odgovora: 0", " POLOZIO(100%)", 0, 360},
        {0, 0, "Tacnih odgovora: 0", "Netacnih odgovora: 0", " NIJE POLOZIO", 0, 0}, // no chart
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.correct) + " of " + std::to_string(c.answered));
        auto table = open(c.answered, c.correct, "NOVI KANDIDAT");
        EXPECT_EQ(table->lblTacnodg->caption(), c.right);
        EXPECT_EQ(table->lblNetacodg->caption(), c.wrong);
        EXPECT_EQ(table->lblOcNijepolPoluskrtab->caption(), c.grade);
        EXPECT_EQ(table->lblKandidatskrtabela->caption(), " NOVI KANDIDAT");
        EXPECT_DOUBLE_EQ(table->MSChart1->first(), c.first);
        EXPECT_DOUBLE_EQ(table->MSChart1->second(), c.second);
        EXPECT_EQ(table->MSChart1->visible(), c.answered != 0);
    }
    EXPECT_EQ(fakes.beeper.count, 1); // for nothing counted
}

TEST_F(ResultsTable, EscAndIzlazClose) {
    auto table = open(2, 1, "ANA");
    QTest::keyClick(table->window(), Qt::Key_Escape);
    EXPECT_TRUE(table->unloaded());
    auto again = open(2, 1, "ANA");
    QTest::mouseClick(again->cmdIzlaz->widget(), Qt::LeftButton);
    EXPECT_TRUE(again->unloaded());
}

// The wrong share in red from twelve o'clock on clockwise, then the right share in green; a share
// of the whole circle is the circle itself, with no radius at twelve o'clock.
TEST_F(ResultsTable, ChartSharesByColourAndSide) {
    const QColor red(255, 0, 0), green(10, 170, 10);
    // Answered, right, and the quarters red or green clockwise from twelve o'clock.
    const std::tuple<int, int, const char*> rows[] = {
        {4, 3, "RGGG"}, {4, 1, "RRRG"}, {2, 1, "RRGG"}, {5, 0, "RRRR"}, {5, 5, "GGGG"}};
    for (const auto& [answered, correct, quarters] : rows) {
        SCOPED_TRACE(std::to_string(correct) + " of " + std::to_string(answered));
        auto table = open(answered, correct, "ANA");
        const QImage chart = table->MSChart1->widget()->grab().toImage();
        const int side = std::min(chart.width(), chart.height()) - 8;
        const QPoint centre(chart.width() / 2, chart.height() / 2);
        const int d = side / 6; // to the middle of each quarter
        const QPoint middles[] = {{d, -d}, {d, d}, {-d, d}, {-d, -d}};
        for (std::size_t k = 0; k < 4; ++k)
            EXPECT_EQ(chart.pixelColor(centre + middles[k]), quarters[k] == 'R' ? red : green)
                << "quarter " << k + 1;
        if (correct != 0 && correct != answered)
            continue;
        // The column from the centre up to twelve o'clock is the share's colour all the way.
        for (int y = centre.y() - side / 2 + 3; y < centre.y() - 2; ++y)
            for (int x = centre.x() - 1; x <= centre.x() + 1; ++x)
                EXPECT_EQ(chart.pixelColor(x, y), quarters[0] == 'R' ? red : green)
                    << "at " << x << ", " << y;
    }
}

TEST_F(ResultsTable, LabelsShowTheirLongestTextsWhole) {
    auto table = open(9999, 0, std::string(40, 'W').c_str()); // typed in the list: not cut
    for (Label* label : {table->lblKandidatskrtabela, table->lblOcNijepolPoluskrtab,
                         table->lblNetacodg, table->lblTacnodg}) {
        EXPECT_GE(label->widget()->width(),
                  QFontMetrics(label->widget()->font()).horizontalAdvance(label->caption()))
            << label->caption().toStdString();
        EXPECT_LE(label->widget()->geometry().right(), table->surface()->width() - 1)
            << label->caption().toStdString();
    }
    // A name of any length stays easy to read: beyond the room it is cut short.
    auto longName = open(1, 1, std::string(123, 'A').c_str());
    const QWidget* name = longName->lblKandidatskrtabela->widget();
    EXPECT_GE(QFontInfo(name->font()).pixelSize(), 9);
    EXPECT_TRUE(longName->lblKandidatskrtabela->caption().startsWith(" AAA"));
    EXPECT_TRUE(longName->lblKandidatskrtabela->caption().endsWith(QChar(0x2026)));
    EXPECT_LE(name->geometry().right(), longName->surface()->width() - 1);
    auto right = open(9999, 9999, "ANA");
    EXPECT_GE(right->lblTacnodg->widget()->width(),
              QFontMetrics(right->lblTacnodg->widget()->font())
                  .horizontalAdvance("Tacnih odgovora: 9999"));
}

} // namespace
} // namespace kviz
