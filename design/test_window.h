// TestWindow: the shared design of the nine test windows.
//
// Each test window is an instance of this class with its catalogue row; a window class adds
// only what differs (layout constants, the procedures it replaces). Each procedure bears the
// trainer's name for it (ShowQuestion, TallyAnswer, cmdReset_Click), and the file in
// design/test_window/ that defines it is named by its concern:
//
//   layout.cpp        the controls, menus and toolbar, placed as designed
//   startup.cpp       Form_Load, Form_Activate, the question file and its count
//   display.cpp       ShowQuestion and the frames round the answer bands
//   answering.cpp     mouse and keys on the window: answers, hot zones, hover frame
//   navigation.cpp    next, previous, go-to, the question box and the scroll bar
//   counting.cpp      counting the questions left, the grade, Reset
//   candidates.cpp    the candidate box and the name prompt
//   progress.cpp      the work on screen as the lines of a progress file
//   settings.cpp      the settings items
//   review.cpp        review of solved questions and the demonstration
//   working_time.cpp  the one-second tick: clock, working time, help line
//   ending.cpp        the results table and the end of work
//   info.cpp          the help box and the About windows
//   switching.cpp     replacing the window by another test's
//   events.cpp        which handler each control, menu item and toolbar image runs
//
// How the pieces connect: the load opens the question file and sets the defaults; the first
// activation draws the question (ShowQuestion) and takes the owner's saved progress. Whose work
// the window holds is the candidate roster's (core/candidate_roster.h), one for all windows:
// the window is its CandidateWork, and its box, prompts and saves go through it.
// ShowQuestion records the answer bands (topA..topD, textBottom, answersBottom) and the state
// of the question on screen, which answering, counting and the frames then use. A question is
// counted once, when the window draws another question in its place (TallyAnswer, called by
// ShowQuestion); redrawing the same question keeps its counting state. A save writes the
// question on screen into the file's counts as if it were left, without counting it on screen.
// The typed windows count by verdict: their TallyAnswer sets both counts from the stored
// verdicts of the questions left.
#pragma once

#include "core/candidate_roster.h"
#include "core/catalogue.h"
#include "core/colours.h"
#include "core/question_file.h"
#include "platform/form.h"

#include <QColor>
#include <array>
#include <string>
#include <vector>

namespace kviz {

// Where a window draws its question, in canvas units.
struct QuestionGeometry {
    double textTop = 1320;  // the first line of the question
    double lineGap = 8;     // the space between two lines
    double textX = 6650;    // the question's lines; the answer area starts here
    double verdictX = 6090; // "DA" and "NE"
    QRectF textFrame{QPointF(5860, 1300), QPointF(11740, 6781)};
    double hoverLeft = 6650, hoverRight = 11720; // the grey frame round the answer under the mouse
    double greenLeft = 6670, greenRight = 11700; // the green frame round a right answer
};

// The places of the window surface that a click acts on besides the answers: the clock, the
// help line and the time bar, which it switches, and the strip above the answers, which asks
// for a question number. All bounds are exclusive.
struct HotZones {
    double clockTop = 20, clockBottom = 380, clockLeft = 9946;
    double helpLineTop = 6841, helpLineBottom = 7099;
    double barTop = 7099, barBottom = 7480, barLeft = 50, barRight = 1e9;
    double goToTop = 1320; // the go-to strip runs from here to goToAboveAnswers above answer a
    double goToAboveAnswers = 360;
};

// How one step of the demonstration goes, one question a second.
struct DemonstrationOrder {
    // The typed windows step on before they draw: their drawing of a question shows its answer.
    bool advanceFirst = false;
    // The text windows mark the question shown before they look at a request to stop.
    bool stopAfterMark = false;
    // "DA" beside the right answer; where no answer is marked, where the drawing ended.
    bool markRightAnswer = true;
    bool markWithoutMarkedAnswer = false;
};

// A control's place in twips: left, top, width, height.
struct Placement {
    int left, top, width, height;
};

// One of the grey labels along the toolbar strip.
struct FillerLabel {
    int number, left, top, width;
};

// The grey labels Label1 .. Label<count> of the picture windows.
std::vector<FillerLabel> pictureWindowFillers(int count);

// What differs between the windows as plain values.
struct WindowLayout {
    int clientWidth = 9540; // twips
    int clientHeight = 6555;
    int helpLineStart = 3000; // start of the moving help line, twips in its strip
    int helpLineRightBound = 5200;
    QString timerName = "tmrTimer1";
    bool hasPicture = true;           // the multiple-choice picture windows show picSlika
    bool startupWindow = false;       // the window the program starts with
    bool helpLineClickToggles = true; // a click on the help line works as its settings item
    bool keepsHoverFrame = true;      // a review brings the hover-frame option back
    bool hiddenTestItems = false;     // the Test menu holds two hidden items without effect
    std::vector<FillerLabel> fillerLabels = pictureWindowFillers(9);
    Placement questionNumberLabel{4605, 1080, 570, 315}; // lblPitanje2
    QString questionNumberFont = kSansSerif;             // its type, bold
    Placement scrollBar{9238, 1080, 267, 4489};          // VScrollzapitanje
    int elapsedStripTop = 5805;                          // Picture4
    QString elapsedStripName = "Picture4";               // the strip of lblProteklovreme
    QuestionGeometry question;
    HotZones hotZones;
    DemonstrationOrder demonstration;
};

class TestWindow;

// Replacing the window on screen by the window of another test.
class TestSwitch {
public:
    virtual ~TestSwitch() = default;
    // Loads and shows the target test's window, which becomes the current one.
    virtual void open(const TestDescriptor& target) = 0;
    // Drops the replaced window once the handler that replaced it has returned.
    virtual void dropReplacedLater() = 0;
};

class TestWindow : public Form, public CandidateWork {
    Q_OBJECT
public:
    TestWindow(Services services, const TestDescriptor& test, WindowLayout layout);
    ~TestWindow() override;

    const TestDescriptor& test() const { return test_; }

    // The input-box position of every prompt of the window, in twips.
    static constexpr QPoint kInputBoxAt{2700, 2200};
    const WindowLayout& layout() const { return layout_; }

    // ---- Window variables ----
    int questionIndex = 0;
    int questionCount = 0;
    bool quickReviewMode = false;
    bool reviewMode = false;
    bool stopRequested = false;
    bool answerGiven = false;
    bool answerCorrect = false;
    bool firstAttemptOpen = false;
    bool countOnLeave = false;
    bool helpLineOn = false;
    int helpLineX = 0;
    bool helpLineMovingRight = false;
    double workStartTime = 0;
    int elapsedMinutes = 0;
    int workLimitMinutes = 0;
    QString clockText;
    std::string lineBuffer;
    std::vector<char> answerLetters; // index 0 unused; code 0 = never answered
    std::vector<char> resultLetters;
    int topA = 0, topB = 0, topC = 0, topD = 0;
    int textBottom = 0, answersBottom = 0;
    std::string correctLetter;
    double mouseX = 0, mouseY = 0;
    int clickMarker = 0;
    QString savedHelpCaption;

    // ---- Procedures ----
    virtual void OpenQuestionFile();
    virtual void LoadQuestionCount();
    virtual void ShowQuestion();
    // The first steps of every drawing of a question: the surface cleared, the number shown in
    // its three places, and the question left counted. False when the scroll bar's handler has
    // drawn the question already. Tells whether the drawing starts a new visit, and the
    // counting state of the visit it continues.
    bool BeginQuestionDrawing(bool& newVisit, bool& countedOnLeave);
    // Shows the question's number beside its text, in a type that leaves the text clear.
    void ShowQuestionNumber(const QString& caption);
    void FrameCorrectAnswer();
    void EraseAnswerFrames();
    // What the help line says while the candidate answers, also when there is no question.
    virtual QString AnsweringHelpLine() const;
    // Puts that text on the help line, outside a review and the demonstration.
    void ShowAnsweringHelpLine();
    // Puts a text on the help line. While a header box has the focus, the help line gives the
    // box's instruction, and the text waits until the box loses the focus.
    void SetHelpLine(const QString& text);
    // Reads the candidate list again into the roster, as every load does, and shows it.
    void LoadCandidateList();

    // Answering
    void Form_Click() override;
    void Form_DblClick() override;
    void Form_KeyPress(int& keyAscii) override;
    void Form_KeyUp(int& keyCode, int shift) override;
    void Form_MouseMove(int button, int shift, double x, double y) override;
    void Form_MouseUp(int button, int shift, double x, double y) override;
    void picSlika_Click();
    // Judges answer letter ('a'..'d') whose line begins at top.
    void Judge(char letter, int top);
    // The band of answer 0..3 (a..d): from its top to the top of the next offered answer, the
    // last one to the bottom of the answers. False for an answer not offered.
    bool AnswerBand(int answer, int& top, int& bottom) const;
    // The answer band that holds y: its letter, or 0 when no offered answer's band holds it.
    char AnswerBandAt(double y, int* bandTop = nullptr, int* bandBottom = nullptr) const;
    // True when the question on screen can take an answer.
    bool AnswerInputOpen() const;
    // A click on the clock, the help line or the time bar switches it; false elsewhere.
    bool HotZoneClick();
    // With key preview off: turns it on, gives the focus to where answering starts and says so.
    bool KeyPreviewGuard();
    virtual void FocusAnswerInput();
    // Where answering starts: the next-question button, or the first answer box.
    virtual void FocusAnswerStart() { FocusAnswerInput(); }

    // Navigation
    virtual void ShowNextQuestion();
    virtual void ShowPreviousQuestion();
    virtual void PromptGoToQuestion();
    // Asks for a question number in 0..N, again after a beep while it is out of range; gives it
    // rounded halves to even, 0 for none. The help line can be hidden while the box is open.
    int AskQuestionNumber(const QString& prompt, const QString& title, bool hideHelpLine);
    int AskQuestionNumber(const QString& prompt, const QString& title, bool hideHelpLine,
                          int maximum, const QString& defaultAnswer);
    // Shows question number n (1 or more) and adds it to the question box's history.
    virtual void JumpToQuestion(int number);
    void RememberQuestionNumber();
    void CmdSledecepitanje_Click();
    void CmdPrethodnopitanje_Click();
    void CmdOdredjenoPitanje_Click();
    void cmbPitanje_GotFocus();
    // Either header box took the focus: the window stops seeing keys and the help line gives
    // the box's instruction until the box loses the focus.
    void HeaderBoxGotFocus(const QString& instruction);
    // Either header box lost the focus: the window sees keys again, and the help line says what
    // belongs to the question on screen.
    void HeaderBoxLostFocus();
    virtual void cmbPitanje_KeyPress(int& keyAscii);
    // A number out of range in the question box: a beep, a "Greska" box naming the bound, and
    // the bound in the box (above the maximum, the text given for it).
    void RefuseQuestionNumber(bool aboveMaximum, int maximum, const QString& inTheBox);
    virtual void cmbPitanje_LostFocus();
    void VScrollzapitanje_Change();
    void VScrollzapitanje_Scroll();

    // Counting
    // Counts the question being left, once, from the state of its visit.
    virtual void TallyAnswer();
    // Writes the two counts and the grade into the header.
    void ShowCounts();
    // Writes the answered count alone.
    void ShowAnsweredCount();
    // Both counts back to 0; the question on screen starts a new visit.
    void ZeroCounts();
    void cmdReset_Click();
    // Clears every stored answer (Reset).
    virtual void ClearAnswers();

    // Candidates
    void cmbKandidat_GotFocus();
    void cmbKandidat_KeyPress(int& keyAscii);
    void cmbKandidat_LostFocus();
    void lblKandidat_Click();
    void mnuKandidat_Click();
    // The roster in cmbKandidat: its entries, the owner's entry selected and the name shown.
    void ShowCandidates();
    // The box, the counts, the grade and the question, after the roster changed the work.
    void ShowProgress();
    // The question the candidate's work goes on with: the one on screen, or during a review or
    // the demonstration the one the mode returns to.
    int& WorkQuestion() {
        return reviewMode || quickReviewMode ? savedQuestionIndex : questionIndex;
    }
    int WorkQuestion() const {
        return reviewMode || quickReviewMode ? savedQuestionIndex : questionIndex;
    }
    // Every answer of the candidate's work back to never answered.
    virtual void ForgetAnswers();

    // Progress
    // Saves the candidate list and this test's progress; asks for a name first when the work
    // has no file of its own. What could not be saved is reported; when that is the work, the
    // report ends with the consequence given.
    SaveOutcome SaveSession(const QString& consequence = QString());

    // The work on screen, as the candidate roster asks it of the window.
    std::string progressFolderName() const override { return std::string(test_.progressFolder); }
    int progressQuestionCount() const override { return questionCount; }
    std::vector<std::string> workLines() const override;
    int openQuestion() const override;
    // The answered and right questions that the progress file counts: those counted, and the
    // question on screen as if it were left.
    virtual std::pair<std::int32_t, std::int32_t> CountsInFile() const;
    void takeLines(const std::vector<std::string>& lines, bool openStays) override;
    void startClean() override;
    // The name prompt: the name typed, cut to 20 characters and in capitals. A name the list
    // cannot keep is refused, and asked again.
    std::optional<std::string> askName(const std::string& defaultAnswer) override;
    // Refuses, with a beep and a "Greska" box, a name that the candidate list cannot keep: one
    // with a character that the list cannot hold, or one new name too many for the list. The
    // list keeps the name's first characters, as many as given (all of them for -1).
    bool RefuseName(const QString& name, qsizetype keep = -1);
    // Names the files that could not be saved in a "Greska" box, and what follows from it.
    void reportUnsaved(const std::vector<UnsavedFile>& failed,
                       const std::string& consequence) override;
    // This window's progress rows, from its answer tables.
    virtual std::vector<std::string> ProgressRows() const;
    // Takes the rows read from a progress file into the answer tables.
    virtual void ApplyProgressRows(const std::vector<std::string>& rows);

    // Working time
    virtual void tmrTimer1_Timer();
    // The working-time limit is reached, and the user has not kept the window past it.
    bool WorkLimitReached();
    // Ends the work at the limit, with the outcome of a save just made, if any.
    void EndAtLimit(std::optional<SaveOutcome> saved = std::nullopt);
    // Chooses the working-time limit of one item of the group (5 to 360 minutes); the chosen
    // item alone stays checked.
    void ChooseWorkLimit(MenuItem* item, int minutes);
    void vremerada_Click();
    void UncheckWorkTimeMenus();
    void ShowElapsedTime();

    // Review and demonstration
    void cmdPregled_Click();
    void mnuPreglrespitanjaProd1pitdokraja_Click();
    void mnuPregrespitPreglodzadpitdokr_Click();
    void cmdBrziPregled_Click();
    void mnuPregrespitBrzpregodzadpitdokr_Click();
    // Starts a review or the demonstration from a number asked in an input box.
    void StartModeFromAskedQuestion(bool demonstration);
    void BeginReview();
    void BeginQuickReview();
    // One step of the demonstration, run by the tick while it is on.
    void DemonstrationStep();
    // Leaves the demonstration and gives the window back.
    void EndDemonstration();
    // Ends a review or the demonstration: the window is unlocked, and the question and the
    // settings of the time before the mode come back.
    void LeaveMode();

    // Help and the About windows
    void mnuPomocPomoczaaktivniprogram_Click();
    // The help text for answering in this window.
    virtual QString AnsweringHelpText() const;
    void mnuInfoOAutoru_Click();
    void mnuInfoOProgramu_Click();

    // Switching tests
    // Saves, closes the question file, and shows the target test's window in place of this one.
    void WindowSwitch(const TestDescriptor& target);
    // The handler of Test-menu item and toolbar image of a test in the catalogue.
    void TestItem_Click(std::size_t catalogueRow);
    TestSwitch* testSwitch = nullptr;

    // Results and the end of work
    void ShowResultsTable();
    void cmdTabela_Click() { ShowResultsTable(); }
    void cmdKrajrada_Click();
    void mnuTestKrajrada_Click();
    // Saves, shows the results table when asked and something was counted, and ends the
    // program. It runs once, whatever starts it. When the work cannot be saved, or the name
    // prompt gave no name for it, the user chooses between ending without it and keeping the
    // window open: false when it stays open. At the working-time limit an unnamed work is asked
    // a name again instead: the limit stands until a name is given or the end is confirmed.
    // A save just made is given as its outcome.
    bool EndWork(bool withTable, bool atLimit = false,
                 std::optional<SaveOutcome> saved = std::nullopt);
    // Asks whether to end the work that could not be saved; true for Da.
    bool EndWithoutSaving();
    void Form_QueryUnload(bool& cancel) override;

    // Settings
    void mnuPodesavanjaTekucevreme_Click();
    void mnuPodesavanjaGrafprprotvremena_Click();
    void mnuPodesavanjaPomocuprvomredu_Click();
    void mnuPodesavanjaZvuknakonnetacnogodg_Click();
    void mnuPodesavanjaIspDaNeubojinakonodg_Click();
    void mnuPodesavanjazelokvokotacnogodg_Click();
    void mnuPodesavanjaPojavokviraokoodg_Click();
    void mnuPodesavanjaJedanpokzatacanodg_Click();
    void mnuPodesavanjaokokotxtpitiodg_Click();
    void mnuPodesavanjaStandpodesavanja_Click();
    void lblPomocuprvomredu_Click();

    // Hides the help line while a dialog of this window is open, and shows it again.
    void HideHelpLine();
    void ShowHelpLine();

    // ---- Controls ----
    PictureBox* Picture1 = nullptr;
    PictureBox* Picture2 = nullptr;
    PictureBox* Picture3 = nullptr;
    PictureBox* Picture4 = nullptr;
    std::array<Image*, 19> imgtoolbar{}; // imgtoolbar1 .. imgtoolbar19 at 0 .. 18
    std::vector<Label*> fillerLabels;    // Label1 .. Label10
    Label* lblTekucevreme = nullptr;
    Label* lblKandidat = nullptr;
    ComboBox* cmbKandidat = nullptr;
    Label* lblPitanje = nullptr;
    ComboBox* cmbPitanje = nullptr;
    Label* lblUkupnoodgovora = nullptr;
    Label* lblTacnihodgovora = nullptr;
    Label* lblOcenaPolozioNijepolozio = nullptr;
    PictureBox* picSlika = nullptr;
    Label* lblPitanje2 = nullptr;
    VScrollBar* VScrollzapitanje = nullptr;
    Label* lblPomocuprvomredu = nullptr;
    Label* lblProteklovreme = nullptr;
    ProgressBar* ProgressBar1 = nullptr;
    std::unique_ptr<Timer> tmrTimer1; // tmrTimer1, or tmrTimer2 in the officers' signals window
    CommandButton* CmdSledecepitanje = nullptr;
    CommandButton* CmdPrethodnopitanje = nullptr;
    CommandButton* CmdOdredjenoPitanje = nullptr;
    CommandButton* cmdTabela = nullptr;
    CommandButton* cmdPregled = nullptr;
    CommandButton* cmdBrziPregled = nullptr;
    CommandButton* cmdReset = nullptr;
    CommandButton* cmdKrajrada = nullptr;

    // ---- Menus ----
    MenuItem* mnuTest = nullptr;
    MenuItem* mnuTestKrajrada = nullptr;
    MenuItem* mnuKandidat = nullptr;
    MenuItem* mnuPitanje = nullptr;
    MenuItem* mnuPitanjeSledecepitanje = nullptr;
    MenuItem* mnuPitanjePrethodnopitanje = nullptr;
    MenuItem* mnuPitanjeOdredjenopitanje = nullptr;
    MenuItem* mnuTabela = nullptr;
    MenuItem* mnuTabelaskracenatabela = nullptr;
    MenuItem* mnuPregledresenihpitanja = nullptr;
    MenuItem* mnuPreglrespitanjaProd1pitdokraja = nullptr;
    MenuItem* mnuPregrespitPreglodzadpitdokr = nullptr;
    MenuItem* mnuPreglrespitBrziprod1pitdokr = nullptr;
    MenuItem* mnuPregrespitBrzpregodzadpitdokr = nullptr;
    MenuItem* mnuReset = nullptr;
    MenuItem* mnuPodesavanja = nullptr;
    MenuItem* mnuPodesavanjaZvuknakonnetacnogodg = nullptr;
    MenuItem* mnuPodesavanjaIspDaNeubojinakonodg = nullptr;
    MenuItem* mnuPodesavanjazelokvokotacnogodg = nullptr;
    MenuItem* mnuPodesavanjaPojavokviraokoodg = nullptr;
    MenuItem* mnuPodesavanjaJedanpokzatacanodg = nullptr;
    MenuItem* mnuPodesavanjaokokotxtpitiodg = nullptr;
    MenuItem* mnuPodesavanjaTekucevreme = nullptr;
    MenuItem* mnuPodesavanjaGrafprprotvremena = nullptr;
    MenuItem* mnuPodesavanjaVremerada5minuta = nullptr;
    MenuItem* mnuPodesavanjaVremerada10minuta = nullptr;
    MenuItem* mnuPodesavanjaVremerada15minuta = nullptr;
    MenuItem* mnuPodesavanjaVremerada30minuta = nullptr;
    MenuItem* mnuPodesavanjaVremerada45minuta = nullptr;
    MenuItem* vremerada = nullptr;
    MenuItem* mnuPodesavanjaPomocuprvomredu = nullptr;
    MenuItem* mnuPodesavanjaStandpodesavanja = nullptr;
    MenuItem* mnuInfo = nullptr;
    MenuItem* mnuInfoOAutoru = nullptr;
    MenuItem* mnuInfoOProgramu = nullptr;
    MenuItem* mnuPomoc = nullptr;
    MenuItem* mnuPomocPomoczaaktivniprogram = nullptr;
    // The five short working-time items and their limits in minutes.
    std::array<MenuItem*, 5> shortWorkTimeItems{};
    static constexpr std::array<int, 5> kShortWorkLimits{5, 10, 15, 30, 45};
    // The Test-menu items by catalogue order.
    std::array<MenuItem*, 9> testMenuItems{};

    // The question whose visit the counting state describes; 0 when a new visit begins with
    // the next drawing.
    int visitQuestion = 0;
    // Progress is loaded at the first activation only; later activations redraw.
    bool activatedOnce = false;
    // The end of work has begun; nothing starts it again.
    bool ending = false;
    // At the working-time limit the user chose to keep the window with work that could not be
    // saved; that limit does not end it again, a limit chosen since does.
    bool endDeclinedAtLimit = false;
    // The results table is open; the limit was reached while it was.
    bool resultsTableOpen = false;
    bool limitMetTheTable = false;
    // The question on screen when a review or the demonstration began.
    int savedQuestionIndex = 0;
    // A header box has the focus and its instruction stands on the help line.
    bool headerBoxHelp = false;
    // The box asking where a review or the demonstration starts is open; the demonstration
    // does not step meanwhile.
    bool modeStartBoxOpen = false;
    // The hover-frame option when a review or the demonstration began.
    bool savedHoverFrame = false;
    // Completed drawings; tells ShowQuestion that the scroll bar's handler drew already.
    int drawings = 0;

    // Where the question file and the progress files of this test lie.
    std::filesystem::path stateRoot() { return services().locations->stateRoot(); }

    static inline const QColor kBlack{colours::kBlack};
    static inline const QColor kGrey{colours::kGrey};
    static inline const QColor kLightRed{colours::kLightRed};
    static inline const QColor kWhite{colours::kWhite};
    QColor correctColor() const;

protected:
    // Locks or frees what a window adds to the controls that a review or the demonstration locks.
    virtual void LockModeControls(bool locked) { (void)locked; }
    void Form_Load() override;
    void Form_Activate() override;

    // Startup-only preparation: the state root and its progress folders.
    void CreateStateFolders();
    // Sets the folder strings for this test.
    void SetFolders();
    // The defaults that every load sets.
    void SetLoadDefaults();

    QuestionFile questionFile_;

private:
    void connectHandlers();
    // Enters a review or the demonstration: locks the window and keeps what the mode's end
    // brings back.
    void BeginMode(bool demonstration);
    // The controls and top menus that a mode locks, in the order they are locked.
    std::vector<std::pair<Control*, MenuItem*>> LockedSet() const;
    void buildControls();
    void buildMenus();
    void buildToolbar();

    const TestDescriptor& test_;
    WindowLayout layout_;
    int numberCaptionLength_ = 0; // the length of number that lblPitanje2's type was fitted to
};

} // namespace kviz
