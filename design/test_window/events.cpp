// Which handler each control, menu item and toolbar image of a test window runs.
#include "design/test_window.h"

namespace kviz {

void TestWindow::connectHandlers() {
    CmdSledecepitanje->onClick = [this] { CmdSledecepitanje_Click(); };
    CmdPrethodnopitanje->onClick = [this] { CmdPrethodnopitanje_Click(); };
    CmdOdredjenoPitanje->onClick = [this] { CmdOdredjenoPitanje_Click(); };
    cmdReset->onClick = [this] { cmdReset_Click(); };
    lblPitanje->onClick = [this] { PromptGoToQuestion(); };
    lblPitanje2->onClick = [this] { PromptGoToQuestion(); };
    if (picSlika != nullptr)
        picSlika->onClick = [this] { picSlika_Click(); };
    lblTekucevreme->onClick = [this] { mnuPodesavanjaTekucevreme_Click(); };

    cmbKandidat->onGotFocus = [this] { cmbKandidat_GotFocus(); };
    cmbKandidat->onKeyPress = [this](int& key) { cmbKandidat_KeyPress(key); };
    cmbKandidat->onLostFocus = [this] { cmbKandidat_LostFocus(); };
    lblKandidat->onClick = [this] { lblKandidat_Click(); };
    mnuKandidat->onClick = [this] { mnuKandidat_Click(); };
    imgtoolbar[16]->onClick = [this] { mnuKandidat_Click(); };

    cmbPitanje->onGotFocus = [this] { cmbPitanje_GotFocus(); };
    cmbPitanje->onKeyPress = [this](int& key) { cmbPitanje_KeyPress(key); };
    cmbPitanje->onLostFocus = [this] { cmbPitanje_LostFocus(); };
    VScrollzapitanje->onChange = [this] { VScrollzapitanje_Change(); };
    VScrollzapitanje->onScroll = [this] { VScrollzapitanje_Scroll(); };

    mnuPitanjeSledecepitanje->onClick = [this] { ShowNextQuestion(); };
    mnuPitanjePrethodnopitanje->onClick = [this] { ShowPreviousQuestion(); };
    mnuPitanjeOdredjenopitanje->onClick = [this] { PromptGoToQuestion(); };
    mnuReset->onClick = [this] { cmdReset_Click(); };
    mnuPodesavanjaTekucevreme->onClick = [this] { mnuPodesavanjaTekucevreme_Click(); };
    mnuPodesavanjaGrafprprotvremena->onClick = [this] { mnuPodesavanjaGrafprprotvremena_Click(); };
    mnuPodesavanjaPomocuprvomredu->onClick = [this] { mnuPodesavanjaPomocuprvomredu_Click(); };

    cmdTabela->onClick = [this] { cmdTabela_Click(); };
    cmdKrajrada->onClick = [this] { cmdKrajrada_Click(); };
    lblUkupnoodgovora->onClick = [this] { ShowResultsTable(); };
    lblTacnihodgovora->onClick = [this] { ShowResultsTable(); };
    lblOcenaPolozioNijepolozio->onClick = [this] { ShowResultsTable(); };
    mnuTabelaskracenatabela->onClick = [this] { ShowResultsTable(); };
    mnuTestKrajrada->onClick = [this] { mnuTestKrajrada_Click(); };
    tmrTimer1->onTick = [this] { tmrTimer1_Timer(); };
    for (std::size_t i = 0; i < shortWorkTimeItems.size(); ++i) {
        MenuItem* item = shortWorkTimeItems[i];
        item->onClick = [this, item, i] { ChooseWorkLimit(item, kShortWorkLimits[i]); };
    }
    vremerada->onClick = [this] { vremerada_Click(); };
    imgtoolbar[12]->onClick = [this] { cmdTabela_Click(); };
    imgtoolbar[17]->onClick = [this] { cmdKrajrada_Click(); };

    cmdPregled->onClick = [this] { cmdPregled_Click(); };
    cmdBrziPregled->onClick = [this] { cmdBrziPregled_Click(); };
    mnuPreglrespitanjaProd1pitdokraja->onClick = [this] {
        mnuPreglrespitanjaProd1pitdokraja_Click();
    };
    mnuPregrespitPreglodzadpitdokr->onClick = [this] { mnuPregrespitPreglodzadpitdokr_Click(); };
    mnuPreglrespitBrziprod1pitdokr->onClick = [this] { cmdBrziPregled_Click(); };
    mnuPregrespitBrzpregodzadpitdokr->onClick = [this] {
        mnuPregrespitBrzpregodzadpitdokr_Click();
    };
    imgtoolbar[13]->onClick = [this] { cmdPregled_Click(); };
    imgtoolbar[14]->onClick = [this] { cmdBrziPregled_Click(); };

    mnuPodesavanjaZvuknakonnetacnogodg->onClick = [this] {
        mnuPodesavanjaZvuknakonnetacnogodg_Click();
    };
    mnuPodesavanjaIspDaNeubojinakonodg->onClick = [this] {
        mnuPodesavanjaIspDaNeubojinakonodg_Click();
    };
    mnuPodesavanjazelokvokotacnogodg->onClick = [this] {
        mnuPodesavanjazelokvokotacnogodg_Click();
    };
    mnuPodesavanjaPojavokviraokoodg->onClick = [this] { mnuPodesavanjaPojavokviraokoodg_Click(); };
    mnuPodesavanjaJedanpokzatacanodg->onClick = [this] {
        mnuPodesavanjaJedanpokzatacanodg_Click();
    };
    mnuPodesavanjaokokotxtpitiodg->onClick = [this] { mnuPodesavanjaokokotxtpitiodg_Click(); };
    mnuPodesavanjaStandpodesavanja->onClick = [this] { mnuPodesavanjaStandpodesavanja_Click(); };
    lblPomocuprvomredu->onClick = [this] { lblPomocuprvomredu_Click(); };

    mnuPomocPomoczaaktivniprogram->onClick = [this] { mnuPomocPomoczaaktivniprogram_Click(); };
    imgtoolbar[18]->onClick = [this] { mnuPomocPomoczaaktivniprogram_Click(); };
    mnuInfoOAutoru->onClick = [this] { mnuInfoOAutoru_Click(); };
    mnuInfoOProgramu->onClick = [this] { mnuInfoOProgramu_Click(); };

    for (std::size_t row = 0; row < testCatalogue().size(); ++row) {
        testMenuItems[row]->onClick = [this, row] { TestItem_Click(row); };
        const int image = testCatalogue()[row].toolbarImage;
        imgtoolbar[static_cast<std::size_t>(image - 1)]->onClick = [this, row] {
            TestItem_Click(row);
        };
    }

    imgtoolbar[9]->onClick = [this] { CmdPrethodnopitanje_Click(); };
    imgtoolbar[10]->onClick = [this] { CmdSledecepitanje_Click(); };
    imgtoolbar[11]->onClick = [this] { CmdOdredjenoPitanje_Click(); };
    imgtoolbar[15]->onClick = [this] { mnuPodesavanjaTekucevreme_Click(); };
}

} // namespace kviz
