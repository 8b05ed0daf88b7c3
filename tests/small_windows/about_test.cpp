// The About windows through real events: their texts, "O Programu" closes by its button, the
// maker's window opens at its design size and can then be made smaller or larger, grey all over.
#include "platform/fakes.h"
#include "small_windows/frm_oprogramu.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTest>
#include <gtest/gtest.h>

namespace kviz {
namespace {

QString shown(Label* label) { return static_cast<QLabel*>(label->widget())->text(); }

TEST(AboutWindows, IzlazClosesTheProgramsWindow) {
    FakeServices fakes;
    frmOProgramu about(fakes.services());
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about.window()));
    EXPECT_EQ(about.caption(), "O Programu");
    const char* texts[] = {"Test iz saobracajnih propisa za vozacki ispit A, B kategorije",
                           "Slike saobracajnih situacija sa ponudjenim odgovorima=360",
                           "Suva pitanja sa ponudjenim odgovorima=524",
                           "Suva pitanja sa unosenjem odgovora=69",
                           "Suva pitanja iz Prve pomoci sa ponudjenim odgovorima=82",
                           "Suva pitanja iz Prve pomoci sa unosenjem odgovora=24",
                           "Saobracajni znaci(15 znakova)=20",
                           "Znaci koje daju ovlascena saobracajna lica=7",
                           "Slike saobracajnih znakova sa ponudjenim odgovorima=13",
                           "Raskrsnice=40",
                           "Ukupno 1139 pitanja.",
                           "Verzija:  3.1 od 27.07.1995. godine"};
    for (std::size_t i = 0; i < about.labels.size(); ++i)
        EXPECT_EQ(shown(about.labels[i]), QString(texts[i]))
            << about.labels[i]->name().toStdString();

    QTest::mouseClick(about.Command1->widget(), Qt::LeftButton);

    EXPECT_TRUE(about.unloaded());
    EXPECT_FALSE(about.visible());
}

TEST(AboutWindows, TheMakersWindowOpensAtItsDesignSizeAndResizesBothWays) {
    FakeServices fakes;
    frmOAutoru about(fakes.services());
    about.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(about.window()));
    EXPECT_EQ(about.caption(), "Form1");
    EXPECT_EQ(shown(about.Label1), "Ravnodar");
    EXPECT_EQ(shown(about.Label3), "E-mail: ravnodar@example.com");
    const QSize designed(312, 213); // 4680 x 3195 twips
    EXPECT_EQ(about.surface()->size(), designed);

    for (QSize change : {QSize(-150, -100), QSize(100, 80)}) {
        const QSize asked = about.window()->size() + change;
        about.window()->resize(asked);
        QApplication::processEvents();
        EXPECT_EQ(about.window()->size(), asked);
        EXPECT_EQ(about.surface()->size(), designed + change);
        const QImage shown = about.surface()->grab().toImage();
        EXPECT_EQ(shown.pixelColor(shown.width() - 1, shown.height() - 1), QColor(192, 192, 192));
        about.window()->resize(about.window()->size() - change);
    }
}

} // namespace
} // namespace kviz
