#include "typed_picture/frm_saobracajni_znaci15.h"

#include "core/help_texts.h"
#include "core/kvizomat_module.h"
#include "core/typed_answer.h"
#include "platform/basic.h"
#include "platform/qt_text.h"

#include <cmath>
#include <utility>

namespace kviz {

namespace {

WindowLayout fifteenSignsLayout() {
    WindowLayout layout = typedAnswerLayout();
    layout.clientWidth = 9540;
    layout.clientHeight = 6645;
    layout.fillerLabels = pictureWindowFillers(10);
    layout.fillerLabels.erase(layout.fillerLabels.begin() + 8); // no Label9
    return layout;
}

constexpr int kColumnLefts[5] = {196, 2039, 3960, 5882, 7685};
constexpr int kLabelTops[3] = {1063, 1875, 2649};
constexpr int kBoxTops[3] = {1325, 2109, 2911};
constexpr int kVerdictTops[3] = {1603, 2404, 3189};

} // namespace

frmSaobracajniznaci15znakova::frmSaobracajniznaci15znakova(Services services)
    : KeyedAnswerWindow(services, catalogueRow(TestId::FifteenSigns), fifteenSignsLayout(), kBoxes,
                        3) {
    imgslika = &add<Image>("imgslika", surface());
    imgslika->setBounds(110, 1055, 9128, 2355);
    imgTekst = &add<Image>("imgTekst", surface());
    imgTekst->setBounds(110, 3393, 9128, 2273);
    imgTekst->widget()->lower();    // the help-line strip stays over its lower edge
    lblPitanje2->setVisible(false); // the fifteen question labels take its place
    for (int i = 0; i < kBoxes; ++i) {
        const int row = i / 5, column = i % 5;
        Label& number = add<Label>(QString("lblPitanje2_%1").arg(i), surface(), QString());
        number.setBounds(kColumnLefts[column], kLabelTops[row], 471, 221);
        number.setFont(kSerif, 12, true);
        number.setAutoSize(true); // five-digit numbers are wider than the label
        number.onClick = [this] { PromptGoToQuestion(); };
        questionLabels[static_cast<std::size_t>(i)] = &number;
        TextBox& box = AddKeyedBox(surface(), i);
        box.setBounds(kColumnLefts[column], kBoxTops[row], 471, 286);
        box.onChange = [this] { txtOdgovor_Change(); };
        box.onGotFocus = [this, i] { txtOdgovor_GotFocus(i); };
        box.onLostFocus = [this] { txtOdgovor_LostFocus(); };
        Label& verdict = add<Label>(QString("lblTacodgovor%1").arg(i), surface(), QString());
        verdict.setBounds(kColumnLefts[column], kVerdictTops[row], 465, 165);
        verdict.setForeColor(QColor(colours::kCorrectGreen));
        lblTacodgovor[static_cast<std::size_t>(i)] = &verdict;
    }
    ChainAnswerBoxes();
    for (CommandButton* button : {CmdSledecepitanje, CmdPrethodnopitanje, CmdOdredjenoPitanje,
                                  cmdTabela, cmdPregled, cmdBrziPregled, cmdReset, cmdKrajrada})
        button->setBounds(button->left(), 6198, button->width(), button->height());
    VerdictOnButtonFocus();
    imgslika->onDblClick = [this] { imgslika_DblClick(); };
    imgTekst->onClick = [this] { imgslika_DblClick(); };
    imgslika->onMouseUp = [this](int button, int shift, double x, double y) {
        Form_MouseUp(button, shift, x, y);
        clickMarker = 0; // no click of the window follows a release on the picture
    };
    // The go-to button and the candidate actions end in the first box of the task shown.
    auto inFirstBox = [this](void (TestWindow::*action)()) {
        return [this, action] { EndingInFirstBox([this, action] { (this->*action)(); }); };
    };
    CmdOdredjenoPitanje->onClick = inFirstBox(&TestWindow::CmdOdredjenoPitanje_Click);
    imgtoolbar[11]->onClick = inFirstBox(&TestWindow::CmdOdredjenoPitanje_Click);
    lblKandidat->onClick = inFirstBox(&TestWindow::lblKandidat_Click);
    mnuKandidat->onClick = inFirstBox(&TestWindow::mnuKandidat_Click);
    imgtoolbar[16]->onClick = inFirstBox(&TestWindow::mnuKandidat_Click);
    cmbKandidat->onKeyPress = [this](int& key) {
        EndingInFirstBox([this, &key] { cmbKandidat_KeyPress(key); });
    };

    HideFrameSettings();
}

void frmSaobracajniznaci15znakova::ReadKeys() {
    for (int i = 1; i <= kBoxes; ++i) {
        lineBuffer = questionFile_.line(questionIndex, i);
        const auto key = basic::toLong(numberOf(lineBuffer)).value_or(0);
        std::string text = std::to_string(key);
        text.resize(std::max<std::size_t>(text.size(), 3), ' ');
        boxKeys[static_cast<std::size_t>(i - 1)] = text;
    }
}

void frmSaobracajniznaci15znakova::NumberLabels(int task) {
    for (int i = 0; i < kBoxes; ++i)
        questionLabels[static_cast<std::size_t>(i)]->setCaption(
            QString("%1.").arg(questionOf(task, i)));
}

void frmSaobracajniznaci15znakova::SetVerdictLabels(const QString& text) {
    for (Label* label : lblTacodgovor)
        label->setCaption(text);
}

void frmSaobracajniznaci15znakova::ShowWrongKeys(const std::vector<std::string>& shown) {
    for (int i = 0; i < usedBoxes(); ++i) {
        const auto k = static_cast<std::size_t>(i);
        const std::string key = basic::trimEnd(boxKeys[k]);
        if (shown[k] != key)
            lblTacodgovor[k]->setCaption(fromCp1250(key));
    }
}

int frmSaobracajniznaci15znakova::currentQuestion() const {
    if (questionNumber != 0 && taskOf(questionNumber) == questionIndex)
        return questionNumber;
    return questionOf(questionIndex, 0);
}

void frmSaobracajniznaci15znakova::ShowQuestion() {
    // The labels show the verdict of the task drawn, or nothing.
    SetVerdictLabels(QString());
    questionNumber = currentQuestion();
    if (!BeginTypedDrawing())
        return;
    const int task = questionIndex;
    cmbPitanje->setText(QString::number(questionNumber));
    NumberLabels(task);
    for (TextBox* box : txtOdgovor)
        if (!continuingAnswer)
            box->setText(QString());
    const QString folder = QString::fromStdString(basKvizomat.pictureFolder);
    imgslika->loadPicture(folder + QString::fromStdString(pictureFileName(test(), task)));
    imgTekst->loadPicture(folder + QString::fromStdString(secondPictureFileName(test(), task)));
    ReadKeys();
    SplitStoredAnswer();

    if (continuingAnswer) {
        // The answer being typed stays in its boxes.
    } else if (quickReviewMode) {
        for (std::size_t k = 0; k < txtOdgovor.size(); ++k) {
            txtOdgovor[k]->setEnabled(false);
            if (numberOf(boxKeys[k]) != 0)
                txtOdgovor[k]->setText(fromCp1250(basic::trimEnd(boxKeys[k])));
        }
        SetVerdictLabels("DA");
        answerCorrect = true;
        answerGiven = true;
    } else {
        for (std::size_t k = 0; k < txtOdgovor.size(); ++k) {
            txtOdgovor[k]->setEnabled(!reviewMode);
            if (numberOf(boxKeys[k]) != 0)
                txtOdgovor[k]->setText(fromCp1250(basic::trim(storedFields[k])));
        }
        if (resultLetter() == 'N') {
            firstAttemptOpen = false;
            answerGiven = true;
            answerCorrect = false;
            ShowWrongKeys(storedFields);
        } else if (resultLetter() == 'T') {
            firstAttemptOpen = false;
            answerGiven = true;
            answerCorrect = true;
            SetVerdictLabels("DA");
        }
    }
    // The focus goes to the box of the question in the question box.
    FinishTypedDrawing();
}

void frmSaobracajniznaci15znakova::FocusAnswerInput() {
    const int box = firstBoxNext_ ? 0 : boxOf(currentQuestion());
    // A box that has the focus already shows its question all the same.
    if (focusedControl() == txtOdgovor[static_cast<std::size_t>(box)])
        txtOdgovor_GotFocus(box);
    txtOdgovor[static_cast<std::size_t>(box)]->setFocus();
}

void frmSaobracajniznaci15znakova::EndingInFirstBox(const std::function<void()>& action) {
    firstBoxNext_ = true;
    action();
    firstBoxNext_ = false;
}

void frmSaobracajniznaci15znakova::cmbPitanje_LostFocus() {
    TestWindow::cmbPitanje_LostFocus();
    if (!questionOnScreen())
        return;
    cmbPitanje->setText(QString::number(currentQuestion()));
    NumberLabels(questionIndex);
}

void frmSaobracajniznaci15znakova::txtOdgovor_GotFocus(int box) {
    questionNumber = questionOf(questionIndex, box);
    cmbPitanje->setText(QString::number(questionNumber));
}

void frmSaobracajniznaci15znakova::txtOdgovor_LostFocus() {
    // The tasks with a verdict are recounted as a box is left, the one on screen too; the right
    // ones and the grade wait for the task to be left.
    basKvizomat.answeredCount = CountVerdicts(0).first;
    ShowAnsweredCount();
}

void frmSaobracajniznaci15znakova::txtOdgovor_Change() {
    verdictOnScreen = false;
    SetVerdictLabels(QString());
}

void frmSaobracajniznaci15znakova::CmdSledecepitanje_GotFocus() {
    if (!questionOnScreen() || resultLetter() == '\0')
        return; // never answered: no verdict
    const std::vector<std::string> shown = JudgeBoxes();
    verdictOnScreen = true;
    if (answerCorrect)
        SetVerdictLabels("DA");
    else
        ShowWrongKeys(shown);
}

void frmSaobracajniznaci15znakova::StoreAnswerAndShowNext() {
    questionNumber = 0;
    TypedAnswerWindow::StoreAnswerAndShowNext();
}

void frmSaobracajniznaci15znakova::ShowPreviousQuestion() {
    questionNumber = 0;
    TypedAnswerWindow::ShowPreviousQuestion();
}

void frmSaobracajniznaci15znakova::PromptGoToQuestion() {
    const int q =
        AskQuestionNumber(QString("Upisite broj pitanja na koje zelite da predjete: (1-%1)")
                              .arg(questionCountTotal()),
                          "Odredjeno Pitanje", true, questionCountTotal(), cmbPitanje->text());
    if (q < 1)
        return;
    questionNumber = q;
    questionIndex = taskOf(q);
    cmbPitanje->setText(QString::number(q));
    RememberQuestionNumber();
    ShowQuestion();
}

void frmSaobracajniznaci15znakova::JumpToQuestion(int task) {
    questionIndex = task;
    questionNumber = questionOf(task, 0);
    cmbPitanje->setText(QString::number(questionNumber));
    RememberQuestionNumber();
    ShowQuestion();
}

void frmSaobracajniznaci15znakova::cmbPitanje_KeyPress(int& keyAscii) {
    if (keyAscii != keys::Return)
        return;
    const double q = basic::roundHalfEven(basic::leadingNumber(toCp1250(cmbPitanje->text())));
    if (q >= 1 && q <= questionCountTotal()) {
        questionNumber = static_cast<int>(q);
        questionIndex = taskOf(questionNumber);
        RememberQuestionNumber();
        ShowQuestion();
        return;
    }
    // Out of range: the focus goes to the box of the number's place (the first box below 1), and
    // only the question box is corrected; the task on screen stays.
    txtOdgovor[q < 1 ? 0 : static_cast<std::size_t>(std::fmod(q - 1, kBoxes))]->setFocus();
    RefuseQuestionNumber(q > questionCountTotal(), questionCountTotal(),
                         QString::number(questionOf(std::max(questionCount, 1), 0)));
}

void frmSaobracajniznaci15znakova::imgslika_DblClick() {
    if (quickReviewMode)
        stopRequested = true;
    else
        StoreAnswerAndShowNext();
}

void frmSaobracajniznaci15znakova::LockModeControls(bool locked) {
    for (Label* label : questionLabels)
        label->setEnabled(!locked);
    // Leaving a review or the demonstration brings back the question of the box in use, and
    // with it the box that gets the focus.
    if (locked && !reviewMode && !quickReviewMode)
        questionNumberBeforeMode_ = questionNumber;
    else if (!locked && questionNumberBeforeMode_.has_value())
        questionNumber = *std::exchange(questionNumberBeforeMode_, std::nullopt);
}

QString frmSaobracajniznaci15znakova::AnsweringHelpText() const {
    return QString::fromStdString(typedHelpText(
        std::string(kTypeTheNumber) +
        "\n\n\nZa povratak na prethodno polje pritisnite Shift+Tab\n\nili kliknite misom u "
        "odgovarajuce polje."));
}

} // namespace kviz
