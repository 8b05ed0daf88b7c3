// The settings items of the traffic-situation window.
#include "tests/choice_picture/picture_window.h"
#include "tests/support/menus.h"

namespace kviz {
namespace {

using Settings = testing::PictureWindowTest;

const QRectF kTextFrame(QPointF(5860, 1300), QPointF(11740, 6781));

TEST_F(Settings, TextFrameIsWipedAtOnceAndRedrawnWithTheQuestion) {
    auto w = start();
    const auto textsBefore = texts(*w).size();
    testing::chooseFromMenuBar(w->mnuPodesavanjaokokotxtpitiodg);
    EXPECT_FALSE(w->mnuPodesavanjaokokotxtpitiodg->checked());
    const DrawOp& wipe = w->canvas().log().back();
    EXPECT_EQ(wipe.rect, kTextFrame);
    EXPECT_EQ(wipe.color, QColor(255, 255, 255));
    EXPECT_EQ(texts(*w).size(), textsBefore); // nothing else redrawn
    testing::chooseFromMenuBar(w->mnuPodesavanjaokokotxtpitiodg);
    EXPECT_TRUE(w->mnuPodesavanjaokokotxtpitiodg->checked());
    EXPECT_EQ(boxes(*w).back().rect, kTextFrame);
    EXPECT_EQ(boxes(*w).back().color, QColor(0, 0, 0));
}

TEST_F(Settings, GreenFrameIsWipedAndDrawnOnlyAfterARightFirstAttempt) {
    auto w = start();
    key(*w, 'b'); // right at the first attempt
    testing::chooseFromMenuBar(w->mnuPodesavanjazelokvokotacnogodg);
    EXPECT_EQ(boxes(*w).back().color, QColor(255, 255, 255));
    testing::chooseFromMenuBar(w->mnuPodesavanjazelokvokotacnogodg);
    EXPECT_EQ(boxes(*w).back().color, QColor(10, 170, 10));

    w->ShowNextQuestion();
    key(*w, 'b'); // wrong
    key(*w, 'a'); // then right: no frame
    testing::chooseFromMenuBar(w->mnuPodesavanjazelokvokotacnogodg);
    testing::chooseFromMenuBar(w->mnuPodesavanjazelokvokotacnogodg);
    EXPECT_NE(boxes(*w).back().color, QColor(10, 170, 10));
}

TEST_F(Settings, ColouredVerdictItemRedrawsBothWays) {
    auto w = start();
    key(*w, 'b');
    const int drawn = w->drawings;
    testing::chooseFromMenuBar(w->mnuPodesavanjaIspDaNeubojinakonodg);
    EXPECT_EQ(w->drawings, drawn + 1);
    EXPECT_EQ(texts(*w).back().text, "DA"); // the stored verdict stays
    testing::chooseFromMenuBar(w->mnuPodesavanjaIspDaNeubojinakonodg);
    EXPECT_EQ(w->drawings, drawn + 2);
    EXPECT_TRUE(w->mnuPodesavanjaIspDaNeubojinakonodg->checked());
}

TEST_F(Settings, PlainTogglesChangeOnlyTheirMark) {
    auto w = start();
    const int drawn = w->drawings;
    const auto logSize = w->canvas().log().size();
    for (MenuItem* item :
         {w->mnuPodesavanjaJedanpokzatacanodg, w->mnuPodesavanjaZvuknakonnetacnogodg,
          w->mnuPodesavanjaPojavokviraokoodg}) {
        const bool before = item->checked();
        testing::chooseFromMenuBar(item);
        EXPECT_NE(item->checked(), before) << item->name().toStdString();
    }
    EXPECT_EQ(w->drawings, drawn);
    EXPECT_EQ(w->canvas().log().size(), logSize);
}

TEST_F(Settings, HelpLineClickInTheStartupWindowDoesNothing) {
    auto w = start();
    testing::click(w->lblPomocuprvomredu);
    EXPECT_TRUE(w->helpLineOn);
    EXPECT_TRUE(w->lblPomocuprvomredu->visible());
}

TEST_F(Settings, HelpLineClickInAnotherWindowSwitchesItOff) {
    writeBank("ssitabcd", "ssitabcd.pit", testing::choiceBank("1", {testing::testQuestion(1)}));
    WindowLayout layout;
    layout.helpLineStart = 3100;
    TestWindow w(services(), catalogueRow(TestId::SituationPictures), layout);
    w.show();
    activate(w);
    testing::click(w.lblPomocuprvomredu);
    EXPECT_FALSE(w.helpLineOn);
    EXPECT_FALSE(w.mnuPodesavanjaPomocuprvomredu->checked());
    EXPECT_FALSE(w.lblPomocuprvomredu->visible());
    w.helpLineX = 700;
    w.helpLineMovingRight = true;
    testing::chooseFromMenuBar(w.mnuPodesavanjaPomocuprvomredu); // on, from the start, leftwards
    EXPECT_EQ(w.helpLineX, 3100);
    EXPECT_FALSE(w.helpLineMovingRight);
    EXPECT_EQ(w.lblPomocuprvomredu->left(), 3100);
}

TEST_F(Settings, StandardSettingsRestoreTheDefaults) {
    auto w = start();
    for (MenuItem* item : {w->mnuPodesavanjaIspDaNeubojinakonodg,
                           w->mnuPodesavanjazelokvokotacnogodg, w->mnuPodesavanjaPojavokviraokoodg,
                           w->mnuPodesavanjaokokotxtpitiodg, w->mnuPodesavanjaTekucevreme,
                           w->mnuPodesavanjaGrafprprotvremena, w->mnuPodesavanjaPomocuprvomredu})
        testing::chooseFromMenuBar(item); // all switched off
    testing::chooseFromMenuBar(w->mnuPodesavanjaZvuknakonnetacnogodg);
    testing::chooseFromMenuBar(w->mnuPodesavanjaJedanpokzatacanodg);
    w->lblKandidat->setBorder(true);
    const int drawn = w->drawings;
    testing::chooseFromMenuBar(w->mnuPodesavanjaStandpodesavanja);
    EXPECT_EQ(w->drawings, drawn + 2);
    EXPECT_FALSE(w->mnuPodesavanjaZvuknakonnetacnogodg->checked());
    EXPECT_FALSE(w->mnuPodesavanjaJedanpokzatacanodg->checked());
    for (MenuItem* item :
         {w->mnuPodesavanjaIspDaNeubojinakonodg, w->mnuPodesavanjazelokvokotacnogodg,
          w->mnuPodesavanjaPojavokviraokoodg, w->mnuPodesavanjaokokotxtpitiodg,
          w->mnuPodesavanjaTekucevreme, w->mnuPodesavanjaGrafprprotvremena,
          w->mnuPodesavanjaPomocuprvomredu, w->vremerada})
        EXPECT_TRUE(item->checked()) << item->name().toStdString();
    EXPECT_TRUE(w->helpLineOn);
    EXPECT_TRUE(w->lblPomocuprvomredu->visible());
    EXPECT_TRUE(w->lblTekucevreme->visible());
    EXPECT_TRUE(w->ProgressBar1->visible());
    EXPECT_FALSE(w->lblKandidat->border());
}

TEST_F(Settings, StandardSettingsMarkTheLimitInForce) {
    auto w = start();
    testing::chooseFromMenuBar(w->mnuPodesavanjaVremerada10minuta);
    testing::chooseFromMenuBar(w->mnuPodesavanjaStandpodesavanja);
    EXPECT_EQ(w->workLimitMinutes, 10);
    EXPECT_TRUE(w->mnuPodesavanjaVremerada10minuta->checked());
    EXPECT_FALSE(w->vremerada->checked());
    EXPECT_FALSE(w->mnuPodesavanjaVremerada45minuta->checked());
}

} // namespace
} // namespace kviz
