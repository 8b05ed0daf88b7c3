#include "typed_text/frm_typed_text.h"

#include "core/help_texts.h"
#include "core/typed_answer.h"
#include "platform/basic.h"
#include "platform/qt_text.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPalette>
#include <algorithm>
#include <cmath>

namespace kviz {

namespace {

constexpr double kTextX = 790;

WindowLayout typedTextLayout(bool firstAid) {
    WindowLayout layout = typedAnswerLayout();
    layout.clientWidth = 9510;
    layout.clientHeight = 6525;
    layout.hiddenTestItems = true;
    layout.questionNumberLabel = {8, 1374, 569, 315};
    layout.questionNumberFont = kSerif;
    layout.scrollBar =
        firstAid ? Placement{9215, 1096, 267, 4472} : Placement{9215, 1063, 267, 4497};
    layout.elapsedStripTop = firstAid ? 5805 : 5789;
    if (firstAid)
        layout.elapsedStripName = "Picture6";
    layout.question.textX = kTextX;
    layout.question.textFrame = QRectF(QPointF(0, 1320), QPointF(firstAid ? 11700 : 11720, 6800));
    return layout;
}

} // namespace

TypedTextWindow::TypedTextWindow(Services services, const TestDescriptor& test, bool firstAid)
    : TypedAnswerWindow(services, test, typedTextLayout(firstAid)) {
    for (int i = 0; i < 2; ++i) {
        TextBox& box = AddAnswerBox(surface(), QString("txtOdgovor%1").arg(i));
        box.setBounds(i == 0 ? 1800 : (firstAid ? 2850 : 2880), 3525, 765, 360);
        box.setForeColor(firstAid ? QApplication::palette().color(QPalette::Highlight)
                                  : QColor(0, 0, 255));
    }
    // Judged once at each change the user makes: by a key, the box's menu, a drop, Undo. A key
    // that changes nothing leaves the verdict as it was.
    txtOdgovor[0]->onUserChange = [this] { txtOdgovor_KeyUp(); };
    for (TextBox* box : txtOdgovor)
        box->onChange = [this] { txtOdgovor_Change(); };
    VerdictOnButtonFocus();

    // What differs from the picture windows' layout.
    lblPitanje2->setFont(kSerif, 12, true);
    for (CommandButton* button : {CmdSledecepitanje, CmdPrethodnopitanje, CmdOdredjenoPitanje,
                                  cmdTabela, cmdPregled, cmdBrziPregled, cmdReset, cmdKrajrada})
        button->setBounds(button->left(), 6067, button->width(), button->height());
    if (firstAid) {
        Picture4->setBounds(0, 5805, 4548, 375);
        lblProteklovreme->setBounds(0, 0, 4605, 240);
        // Two empty strips below the help line's, which its height hides.
        add<PictureBox>("Picture4", Picture3->container()).setBounds(0, 240, 4575, 15);
        add<PictureBox>("Picture5", Picture3->container()).setBounds(0, 240, 2655, 15);
        ProgressBar1->setBounds(4560, 5805, 4948, 240);
        cmbKandidat->setBounds(1260, 20, 4155, 315);
        cmbPitanje->setBounds(1020, 350, 1335, 315);
        lblUkupnoodgovora->setBounds(2685, 345, 2430, 300);
        lblTacnihodgovora->setBounds(5700, 345, 3255, 375);
        for (Label* moved : {lblUkupnoodgovora, lblTacnihodgovora})
            moved->setAutoSize(true); // never narrower than this window's own width
    } else {
        ProgressBar1->setBounds(4590, 5805, 4917, 240);
        HideFrameSettings();
    }

    // The answer box comes first; Tab from it reaches the next-question button.
    ChainAnswerBoxes();
    QWidget* previous = CmdSledecepitanje->widget();
    for (Control* next : std::initializer_list<Control*>{
             CmdPrethodnopitanje, CmdOdredjenoPitanje, cmdTabela, cmdPregled, cmdBrziPregled,
             cmdReset, cmdKrajrada, cmbKandidat, cmbPitanje}) {
        QWidget::setTabOrder(previous, next->widget());
        previous = next->widget();
    }
}

std::string TypedTextWindow::boxText() const { return toCp1250(txtOdgovor[0]->text()); }

void TypedTextWindow::StoreTypedAnswer() { typedAnswer() = boxText(); }

void TypedTextWindow::ShowQuestion() {
    if (!BeginTypedDrawing()) {
        if (!questionOnScreen()) {
            // No question: the surface is empty, and the help line tells how to answer.
            printedLines_.clear();
            frameDrawn_ = false;
        }
        return;
    }
    Canvas& c = canvas();
    printedLines_.clear();
    c.setFont(kSansSerif, 12, true);
    c.setForeColor(quickReviewMode || reviewMode ? kGrey : kBlack);
    c.currentY = layout().question.textTop;

    const double twipsX = c.twipsPerUnitX(), twipsY = c.twipsPerUnitY();
    for (int i = 1; i <= test().recordsPerQuestion; ++i) {
        lineBuffer = questionFile_.line(questionIndex, i);
        c.currentX = kTextX;
        if (auto cloze = findCloze(lineBuffer)) {
            TextBox& box = *txtOdgovor[0];
            const QString before = fromCp1250(lineBuffer.substr(0, cloze->firstStar));
            const double left = kTextX + c.textWidth(before);
            const int topTwips = static_cast<int>(std::lround(c.currentY * twipsY));
            clozeAnswer = cloze->answer;
            const double width = c.textWidth(fromCp1250("**" + clozeAnswer));
            // The box hides the gap as it is drawn. Its edges fall on whole pixels, so the left
            // one is not rounded past the first star's ink, and the right one reaches past the
            // closing star's ink, which can stand a little right of its advance.
            const QString gap = fromCp1250("*" + clozeAnswer + "*");
            const QFontMetricsF metrics(Canvas::screenFont(kSansSerif, 12, true));
            const QRectF ink = metrics.tightBoundingRect(gap);
            const double gapX = c.pixelsFromUnits({left, 0}).x();
            const int twipsPerPixel = static_cast<int>(Canvas::kTwipsPerPixel);
            const int leftPixel = static_cast<int>(std::floor(gapX + std::min(0.0, ink.left())));
            const int rightPixel = static_cast<int>(
                std::ceil(gapX + std::max(metrics.horizontalAdvance(gap), ink.right())));
            const int leftTwips =
                std::min(static_cast<int>(std::lround(left * twipsX)), leftPixel * twipsPerPixel);
            const int widthTwips = std::max(static_cast<int>(std::lround(width * twipsX)),
                                            (rightPixel + 1) * twipsPerPixel - leftTwips);
            box.setBounds(leftTwips, topTwips, widthTwips, box.height());
            verdictX = box.left() / twipsX + 50;
            verdictY = c.currentY + 420;
        }
        c.currentY += layout().question.lineGap;
        printedLines_.push_back({c.currentY, fromCp1250(lineBuffer), c.foreColor()});
        c.print(printedLines_.back().text);
    }
    const QRectF& frame = layout().question.textFrame;
    frameDrawn_ = mnuPodesavanjaokokotxtpitiodg->checked();
    if (frameDrawn_)
        c.box(frame.left(), frame.top(), frame.right(), frame.bottom(), kBlack);

    for (TextBox* box : txtOdgovor) {
        if (!continuingAnswer)
            box->setText(QString());
        box->setVisible(true);
    }
    txtOdgovor[1]->setVisible(false);

    const auto q = static_cast<std::size_t>(questionIndex);
    if (continuingAnswer) {
        // The answer being typed stays in its box.
    } else if (quickReviewMode) {
        // The demonstration shows the expected answer in the box, with "DA" above it.
        txtOdgovor[0]->setText(fromCp1250(clozeAnswer));
        txtOdgovor[0]->setEnabled(false);
        answerGiven = true;
        answerCorrect = true;
        PrintVerdict("DA", correctColor(), verdictX, verdictY - 750);
    } else {
        for (TextBox* box : txtOdgovor) {
            box->setEnabled(!reviewMode);
            box->setText(fromCp1250(basic::trim(typedAnswers[q])));
        }
        if (resultLetters[q] == 'N') {
            firstAttemptOpen = false;
            answerGiven = true;
            answerCorrect = false;
            PrintVerdict("NE", kLightRed, verdictX, verdictY - 750);
            if (boxText() != clozeAnswer)
                PrintVerdict(fromCp1250(clozeAnswer), correctColor(), verdictX, verdictY);
        } else if (resultLetters[q] == 'T') {
            firstAttemptOpen = false;
            answerGiven = true;
            answerCorrect = true;
            PrintVerdict("DA", correctColor(), verdictX, verdictY - 750);
        }
    }
    FinishTypedDrawing();
}

void TypedTextWindow::txtOdgovor_KeyUp() {
    if (!firstAttemptOpen || !questionOnScreen())
        return;
    const std::string typed = boxText();
    answerGiven = !typed.empty();
    RecordTypedAnswer(answerField(typed), answerGiven, typed == clozeAnswer);
}

void TypedTextWindow::txtOdgovor_Change() {
    verdictOnScreen = false;
    WipeVerdicts();
}

void TypedTextWindow::WipeVerdicts() {
    // A verdict over-printed in white would leave the edges of its letters, and take away what
    // of the question's lines it stood over. So its places are wiped by filled white boxes, and
    // the lines they reach are drawn again whole.
    Canvas& c = canvas();
    const double pixelX = Canvas::kTwipsPerPixel / c.twipsPerUnitX();
    const double pixelY = Canvas::kTwipsPerPixel / c.twipsPerUnitY();
    std::vector<QRectF> wiped;
    c.setFont(kSerif, 14, true);
    auto verdictPlace = [&](const QString& text, double y) {
        wiped.emplace_back(
            QPointF(verdictX - pixelX, y - pixelY),
            QPointF(verdictX + c.textWidth(text) + 2 * pixelX, y + c.textHeight() + pixelY));
    };
    verdictPlace("NE", verdictY - 750);
    verdictPlace("DA", verdictY - 750);
    verdictPlace(fromCp1250(clozeAnswer), verdictY);

    c.setFont(kSansSerif, 12, true);
    const double lineHeight = c.textHeight();
    std::vector<const PrintedLine*> reached;
    for (const PrintedLine& line : printedLines_) {
        const QRectF cell(
            QPointF(kTextX - pixelX, line.y),
            QPointF(kTextX + c.textWidth(line.text) + 2 * pixelX, line.y + lineHeight));
        if (std::any_of(wiped.begin(), wiped.end(),
                        [&](const QRectF& place) { return place.intersects(cell); }))
            reached.push_back(&line);
    }
    for (const PrintedLine* line : reached)
        wiped.emplace_back(
            QPointF(kTextX - pixelX, line->y),
            QPointF(kTextX + c.textWidth(line->text) + 2 * pixelX, line->y + lineHeight));
    for (const QRectF& place : wiped)
        c.filledBox(place.left(), place.top(), place.right(), place.bottom(), kWhite);
    for (const PrintedLine* line : reached) {
        c.setForeColor(line->color);
        c.currentX = kTextX;
        c.currentY = line->y;
        c.print(line->text);
    }
    if (frameDrawn_) {
        const QRectF& frame = layout().question.textFrame;
        c.box(frame.left(), frame.top(), frame.right(), frame.bottom(), kBlack);
    }
}

void TypedTextWindow::CmdSledecepitanje_GotFocus() {
    if (!questionOnScreen() || resultLetter() == '\0')
        return; // never typed into: no verdict
    const std::string typed = boxText();
    answerCorrect = typed == clozeAnswer;
    if (!typed.empty())
        answerGiven = true;
    verdictOnScreen = true;
    if (answerCorrect) {
        PrintVerdict("DA", correctColor(), verdictX, verdictY - 750);
    } else {
        PrintVerdict("NE", kLightRed, verdictX, verdictY - 750);
        PrintVerdict(fromCp1250(clozeAnswer), correctColor(), verdictX, verdictY);
    }
}

void TypedTextWindow::ClearAnswers() {
    for (int q = 1; q <= questionCount; ++q) {
        typedAnswers[static_cast<std::size_t>(q)].clear();
        resultLetters[static_cast<std::size_t>(q)] = ' ';
    }
}

QString TypedTextWindow::AnsweringHelpLine() const {
    return "Upisite odgovor i pritisnite taster Enter.";
}

QString TypedTextWindow::AnsweringHelpText() const {
    return QString::fromStdString(typedHelpText());
}

frmSuvapitanjasaunosenjemodgovora::frmSuvapitanjasaunosenjemodgovora(Services services)
    : TypedTextWindow(services, catalogueRow(TestId::TheoryTyped), false) {}

frmPrvaPomocpitanjasaunosenjemodgovora::frmPrvaPomocpitanjasaunosenjemodgovora(Services services)
    : TypedTextWindow(services, catalogueRow(TestId::FirstAidTyped), true) {}

} // namespace kviz
