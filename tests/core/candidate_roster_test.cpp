// The candidate roster against a plain reference, under seeded random runs of what a user and
// the disk can do and under fixed runs of cases once missed. The reference keeps its own copy of
// the list, the positions the list on disk holds, the owner and her name, the work on screen and
// the bytes of every file, and decides from the steps alone what each must become. After every
// step the roster's owner, name and entries, the screen, every file under the state root, the
// list, the prompts asked and the reports made must be what it decided. A failing run prints
// its steps.
#include "core/candidate_roster.h"
#include "core/catalogue.h"
#include "core/progress_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <sstream>

namespace kviz {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::writeBytes;
using Lines = std::vector<std::string>;
using Name = std::optional<std::string>; // a prompt's answer; none for Otkazi

constexpr int kQuestions = 3;
const std::string kNew = "NOVI KANDIDAT", kUnnamed = "Novi kandidat", kNul(1, '\0');
const Lines kNames = {"ANA", "PERA", "MIKA", "IVA", kNew};
const std::string kChoose = "Kandidat nije promenjen.", kSwitch = "Test nije promenjen.",
                  kEnd = "Rad nije zavrsen.", kStay = "Rad ostaje na ekranu.";

std::string folderAt(std::size_t i) { return std::string(progressFoldersInCreationOrder()[i]); }
std::string fileAt(const std::string& folder, std::size_t position) {
    return folder + "/" + progressFileName(static_cast<int>(position));
}
bool hasVerdict(const std::string& row) {
    return !row.empty() && (row.back() == 'T' || row.back() == 'N');
}
std::string bytesOf(const Lines& lines) {
    std::string bytes;
    for (const auto& line : lines)
        bytes += line + "\r\n";
    return bytes;
}
Lines linesOf(const std::string& bytes) {
    Lines lines;
    for (std::size_t at = 0, end; (end = bytes.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(bytes.substr(at, end - at));
    return lines;
}
// Comma-separated words of a step: a list's lines or a file's rows, with '_' for a blank and
// '~' for NUL.
Lines split(std::string text) {
    std::replace(text.begin(), text.end(), '_', ' ');
    std::replace(text.begin(), text.end(), '~', '\0');
    Lines parts(1);
    for (char c : text)
        c == ',' ? parts.emplace_back() : parts.back() += c;
    return text.empty() ? Lines{} : parts;
}

// The work on screen: the question shown, a row per question, the counts of the questions left,
// and the question answered on screen that is counted when it is left (0 for none).
struct Work {
    int question = 1, answered = 0, correct = 0, open = 0;
    Lines rows = Lines(kQuestions, kNul);
    bool operator==(const Work&) const = default;

    std::string& row(int q) { return rows[q - 1u]; }
    bool right(int q) const { return rows[q - 1u].back() == 'T'; }
    // The rows with a verdict that are counted, the open question's not yet: answered, right.
    std::pair<int, int> tally() const {
        std::pair<int, int> counts;
        for (int q = 1; q <= kQuestions; ++q)
            if (q != open && hasVerdict(rows[q - 1u]))
                ++counts.first, counts.second += right(q);
        return counts;
    }
    bool holdsAnswers() const {
        return answered > 0 || std::any_of(rows.begin(), rows.end(), hasVerdict);
    }
    // The lines of its progress file, where the open question counts as if it were left.
    Lines lines() const {
        Lines lines =
            progressHeader(question, answered + (open != 0), correct + (open != 0 && right(open)));
        lines.insert(lines.end(), rows.begin(), rows.end());
        return lines;
    }
    void leave(int to) {
        if (open != 0)
            ++answered, correct += right(open);
        open = 0, question = to;
    }
    // Lines of a progress file taken onto the screen, as a window takes them: what they lack
    // stays, and the open question stays open only while its row and the question shown stay.
    void take(const Lines& lines) {
        const Work before = *this;
        const ProgressHeader header = parseProgressHeader(lines, kQuestions);
        question = header.lastQuestion.value_or(question);
        answered = header.answered.value_or(answered);
        correct = std::min(header.correct.value_or(correct), answered);
        const Lines taken = progressRows(lines, kQuestions);
        std::copy(taken.begin(), taken.end(), rows.begin());
        if (open != 0 && (question != before.question || row(open) != before.rows[open - 1u]))
            open = 0;
    }
};

std::ostream& operator<<(std::ostream& out, const Work& work) {
    out << "question " << work.question << ", counts " << work.answered << "/" << work.correct
        << ", open " << work.open << ", rows";
    for (const auto& row : work.rows)
        out << " '" << (row == kNul ? "\\0" : row) << "'";
    return out;
}

// The test window: its test, the work on screen, and the name prompt and reports it shows.
struct Screen : CandidateWork {
    std::string progressFolderName() const override { return folder; }
    int progressQuestionCount() const override { return kQuestions; }
    Lines workLines() const override { return work.lines(); }
    int openQuestion() const override { return work.open; }
    void takeLines(const Lines& lines, bool openStays) override {
        work.take(lines);
        work.open = openStays ? work.open : 0;
    }
    void startClean() override { work = Work{}; }
    Name askName(const std::string&) override { return ++prompts, answer; }
    void reportUnsaved(const std::vector<UnsavedFile>&, const std::string& consequence) override {
        reports.push_back(consequence);
    }
    std::string folder;
    Work work;
    Name answer; // what the user gives at the prompt
    int prompts = 0;
    Lines reports; // the consequence each report ended with
};

// The plain reference: what the program must do, decided from the steps alone.
struct Reference {
    // The disk as the steps left it.
    std::map<std::string, std::string> files; // "FOLDER/file": bytes; an empty file counts as none
    std::string list;                         // a missing list reads as an empty one
    bool hidden = false;                      // a folder stands at the list's path
    std::set<std::string> locked;             // test folders that cannot be written
    // The program.
    Lines copy;             // its copy of the list, which decides the positions
    bool taken = false;     // the copy was read from the list
    std::size_t onDisk = 1; // its first entries, whose positions the list on disk holds
    int owner = -1;
    std::string name, folder;
    Work work;
    // The step.
    Name answer;
    int prompts = 0;
    std::optional<std::string> report; // the consequence its report ends with

    bool settled(int p) const { return p >= 1 && taken && static_cast<std::size_t>(p) < onDisk; }
    int position(const std::string& n) {
        const auto at = static_cast<int>(std::find(copy.begin(), copy.end(), n) - copy.begin());
        if (at == static_cast<int>(copy.size()))
            copy.push_back(n);
        return at;
    }
    // A name given later: the owner becomes its entry, her saved progress joined to the work;
    // the first entry's is the blank template.
    void lateName(const std::string& n) {
        owner = position(n), name = n;
        if (owner == 0 || settled(owner))
            joinHers();
    }
    // The name prompt for work without a file of its own; a cancel leaves "Novi kandidat".
    void askLateName() {
        ++prompts;
        answer ? lateName(*answer) : void(name = kUnnamed);
    }

    void start(std::string in) {
        folder = std::move(in), copy = {kNew}, taken = false, onDisk = 1, owner = -1, name = kNew;
        work = Work{}, readList();
        if (owner == 0) {  // a list that holds names: the name is asked, and entry 0 kept after
            askLateName(); // a cancel takes the blank template
            if (!answer)
                joinHers();
        }
    }
    // The first time the list can be read, the copy becomes its lines and then the names given
    // meanwhile that its lines after the first lack; the owner takes her name's place.
    void readList() {
        if (taken || hidden)
            return;
        const Lines lines = linesOf(list);
        Lines read = lines.empty() ? Lines{kNew} : lines;
        onDisk = read.size();
        for (std::size_t i = 1; i < copy.size(); ++i)
            if (std::find(read.begin() + 1, read.end(), copy[i]) == read.end())
                read.push_back(copy[i]);
        const auto named = std::find(read.begin() + 1, read.end(), owner >= 1 ? copy[owner] : "");
        owner = owner >= 1 ? static_cast<int>(named - read.begin()) : lines.empty() ? -1 : 0;
        copy = read, taken = true;
        if (settled(owner))
            joinHers();
    }
    // Her saved progress in the test joined to the work: her verdicts stay, the work's fill
    // only her rows without one and count once each; the open question is left to be counted.
    void joinHers() {
        const auto saved = files.find(fileAt(folder, static_cast<std::size_t>(owner)));
        if (saved == files.end())
            return;
        if (!work.holdsAnswers())
            return work.take(linesOf(saved->second));
        Work hers;
        hers.take(linesOf(saved->second));
        for (int q = 1; q <= kQuestions; ++q) {
            const bool open = q == work.open, first = hasVerdict(hers.row(q));
            const bool fills = !open && !first && hasVerdict(work.row(q));
            hers.answered += fills, hers.correct += fills && work.right(q);
            if (first || !(open || fills))
                work.row(q) = hers.row(q);
            work.open = open && first ? 0 : work.open;
        }
        work.answered = hers.answered, work.correct = hers.correct;
    }
    // The files under a position new to the list that hold something are set aside; false when
    // one cannot be.
    bool setAside(std::size_t p) {
        bool free = true;
        for (std::size_t i = 0; i < kTestCount; ++i) {
            const std::string file = fileAt(folderAt(i), p);
            const auto found = files.find(file);
            if (found != files.end() && locked.count(folderAt(i)) != 0) {
                free = false;
            } else if (found != files.end()) {
                std::string aside = file + ".bak";
                for (int n = 2; files.count(aside) != 0; ++n)
                    aside = file + ".bak" + std::to_string(n);
                files[aside] = found->second, files.erase(found);
            }
        }
        return free;
    }
    SaveOutcome save(const std::string& consequence) {
        readList();
        if (owner < 1 && (name.find(kNew) != std::string::npos || work.holdsAnswers()))
            askLateName();
        bool unwritten = !taken || hidden; // such a list is kept, and every new name waits
        std::size_t p = onDisk;
        while (taken && p < copy.size() && setAside(p))
            ++p;
        if (!unwritten)
            onDisk = p, list = bytesOf(Lines(copy.begin(), copy.begin() + p));
        const bool writable = locked.count(folder) == 0, answers = work.holdsAnswers();
        if (writable)
            files[fileAt(folder, 0)] = bytesOf(templateLines(kQuestions));
        unwritten = unwritten || !writable;
        SaveOutcome outcome = owner < 1 && answers ? SaveOutcome::Unnamed : SaveOutcome::Saved;
        if (settled(owner) && writable)
            files[fileAt(folder, static_cast<std::size_t>(owner))] = bytesOf(work.lines());
        else if (owner >= 1 && answers)
            outcome = SaveOutcome::Failed, unwritten = true;
        if (unwritten)
            report = outcome == SaveOutcome::Failed ? consequence : "";
        return outcome;
    }
    void choose(const std::string& n) {
        readList();
        const bool again = owner >= 1 ? n == name : owner == 0 && copy.front() == n;
        if (again || (owner >= 1 && save(kChoose) == SaveOutcome::Failed))
            return void(name = again ? n : name); // the owner chosen again keeps her work; so
                                                  // does an owner whose work was not saved
        if (owner < 1)
            return lateName(n);
        owner = position(n), name = n;
        load(owner == 0);
    }
    void ask() {
        if (++prompts, answer)
            choose(*answer);
        else if (owner < 1)
            name = kUnnamed;
    }
    // The work starts clean and takes her saved progress in the test as it stands; the first
    // entry's, when asked for, is the blank template.
    void load(bool firstEntry = false) {
        work = Work{}, readList();
        if ((firstEntry && owner == 0) || settled(owner))
            joinHers();
    }
};

// A progress file's work, whose counts are those of its rows.
Work fileWork(int question, const Lines& rows) {
    Work work;
    work.rows = rows, work.question = question;
    std::tie(work.answered, work.correct) = work.tally();
    return work;
}

// A run of steps, each played on the program and on the reference and then checked. A step is
// a line of words, as a failing run prints it; the word after the verb answers a name prompt
// the step brings ("-" for Otkazi). User steps: "start NAME FOLDER", "answer T|N", "leave Q",
// "choose NAME", "ask NAME" (the Kandidat menu), "save NAME" (the window stays), "switch NAME
// FOLDER", "end NAME Da|Ne FOLDER" (end of work, then the next start). Disk steps: "list
// LINES", "edit add|remove|rename|double|empty LINE NAME" (outside), "unreadable", "mend",
// "lock FOLDER", "unlock FOLDER", "file FOLDER POSITION Q ROWS" (a file left there), and the
// check "holds FOLDER POSITION Q ROWS".
class RosterRun {
public:
    explicit RosterRun(unsigned seed) : random_(seed) {
        for (std::size_t i = 0; i < kTestCount; ++i)
            fs::create_directories(root_ / folderAt(i));
    }

    void play(const std::string& step) {
        steps_ << "; " << step;
        std::istringstream words(step);
        std::string verb, x, y, z, w;
        words >> verb >> x >> y >> z >> w;
        const auto number = [](const std::string& word) {
            return std::size_t(std::atoi(word.c_str()));
        };
        const std::string folder = folderAt(number(x));
        const std::size_t at = number(y);
        screen_.answer = ref_.answer = x == "-" || x.empty() ? Name{} : Name{split(x)[0]};
        screen_.prompts = ref_.prompts = 0;
        screen_.reports.clear(), ref_.report.reset();
        if (verb == "start" ||
            (verb == "end" && (saves(kEnd) == SaveOutcome::Saved || y == "Da"))) {
            boot(verb == "start" ? at : number(z));
        } else if (verb == "answer") {
            const std::string row = "a" + std::to_string(tokens_++) + x;
            for (Work* work : {&screen_.work, &ref_.work}) // only a first attempt is taken
                if (!hasVerdict(work->row(work->question)))
                    work->row(work->question) = row, work->open = work->question;
        } else if (verb == "leave") {
            screen_.work.leave(std::stoi(x)), ref_.work.leave(std::stoi(x));
        } else if (verb == "choose") {
            roster_.choose(*screen_.answer, screen_), ref_.choose(*ref_.answer);
        } else if (verb == "ask") {
            roster_.ask(screen_), ref_.ask();
        } else if (verb == "save") {
            saves(kStay);
        } else if (verb == "switch" && saves(kSwitch) == SaveOutcome::Saved) { // the next window
            screen_.folder = ref_.folder = folderAt(at), screen_.work = Work{}, folder_ = at;
            roster_.open(), roster_.activate(screen_), ref_.load();
        } else if (verb == "list" || (verb == "edit" && !ref_.hidden)) {
            const Lines lines = verb == "list" ? split(x) : edited(x, at, z);
            writeBytes(listPath(), ref_.list = bytesOf(lines));
        } else if (verb == "unreadable" || verb == "mend") {
            fs::remove(listPath());
            if ((ref_.hidden = verb == "unreadable"))
                fs::create_directory(listPath());
            else
                writeBytes(listPath(), ref_.list);
        } else if (verb == "lock") {
            locks_[folder] = std::make_unique<testing::UnwritableFolder>(root_ / folder);
            ref_.locked.insert(folder);
        } else if (verb == "unlock" && locks_.erase(folder) != 0) {
            ref_.locked.erase(folder);
        } else if (verb == "file" || verb == "holds") {
            const std::string file = fileAt(folder, at);
            const std::string bytes = bytesOf(fileWork(std::stoi(z), split(w)).lines());
            if (verb == "holds")
                EXPECT_EQ(readBytes(root_ / file), bytes) << file;
            else if (ref_.files.count(file) == 0 && ref_.locked.count(folder) == 0)
                writeBytes(root_ / file, ref_.files[file] = bytes);
        }
        check();
    }

    void startRandomly() {
        const Lines lists = {"", "NOVI_KANDIDAT", "NOVI_KANDIDAT,ANA,PERA", "ANA,PERA",
                             "NOVI_KANDIDAT,PERA,ANA,IVA"};
        const std::string list = lists[pick(lists.size())];
        if (pick(5) != 0)
            play("list " + list);
        // Saved work of the names listed, and files left under the next position.
        for (std::size_t p = 1; p <= split(list).size(); ++p)
            for (std::size_t i = 0; i < kTestCount; ++i)
                if (pick(3) == 0)
                    play(leftover(i, p));
        if (pick(6) == 0)
            play("unreadable");
        play("start " + anyName() + " " + std::to_string(pick(kTestCount)));
    }
    void step() {
        const std::size_t at = pick(2) == 0 ? pick(kTestCount) : folder_, other = pick(8);
        const std::string folder = std::to_string(at), given = anyName(), name = anyName(false);
        const std::string to = std::to_string(1 + (ref_.work.question + other % 2) % kQuestions);
        const Lines edits = {"add", "remove", "rename", "double", "empty"};
        // A file is left under a position new to the list, once the list's positions are known.
        const std::string left =
            ref_.taken ? leftover(at, ref_.onDisk + other % (ref_.copy.size() + 1 - ref_.onDisk))
                       : "leave " + to;
        const std::string leave = "leave " + to, choose = "choose " + name, save = "save " + given,
                          ask = "ask " + given, toggle = ref_.hidden ? "mend" : "unreadable",
                          lock = ref_.locked.count(folderAt(at)) != 0 ? "unlock " : "lock ",
                          end = "end " + given + (other % 2 == 0 ? " Da " : " Ne ") + folder,
                          edit = "edit " + edits[other % 5] + " " + std::to_string(pick(4)) + " " +
                                 name;
        const std::string steps[] = {
            "answer T", "answer N", "answer T", leave,  leave,
            choose,     choose,     ask,        end,    "switch " + given + " " + folder,
            save,       save,       edit,       toggle, lock + folder,
            left,       left};
        play(steps[pick(std::size(steps))]);
    }
    std::string steps() const { return steps_.str(); }

private:
    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }
    std::string anyName(bool cancels = true) {
        if (cancels && pick(5) == 0)
            return "-";
        std::string name = kNames[pick(kNames.size())];
        std::replace(name.begin(), name.end(), ' ', '_');
        return name;
    }
    // A file of random rows, left under a position.
    std::string leftover(std::size_t folder, std::size_t position) {
        std::string rows;
        for (int q = 1; q <= kQuestions; ++q) {
            const std::string token = "a" + std::to_string(tokens_++) + (pick(2) == 0 ? "T" : "N");
            rows += (q > 1 ? "," : "") + (pick(2) == 0 ? token : pick(2) == 0 ? "" : "~");
        }
        return "file " + std::to_string(folder) + " " + std::to_string(position) + " " +
               std::to_string(1 + pick(kQuestions)) + " " + rows;
    }
    // The list edited outside: a line added, removed, renamed or doubled, or all taken out.
    Lines edited(const std::string& kind, std::size_t at, const std::string& name) const {
        Lines lines = linesOf(ref_.list);
        const auto line = lines.begin() + static_cast<std::ptrdiff_t>(at % (lines.size() + 1));
        if (kind == "add" || line == lines.end())
            lines.insert(line, split(name + ",")[0]);
        else if (kind == "remove" || kind == "rename")
            kind == "remove" ? void(lines.erase(line)) : void(*line += "X");
        else
            kind == "double" ? lines.push_back(std::string(*line)) : lines.clear();
        return lines;
    }
    fs::path listPath() const { return root_ / "Kandidat.ime"; }

    SaveOutcome saves(const std::string& consequence) {
        const SaveOutcome outcome = ref_.save(consequence);
        EXPECT_EQ(roster_.save(screen_, consequence), outcome) << "the save's outcome";
        return outcome;
    }
    // The program starts: the list on disk is read afresh.
    void boot(std::size_t folder) {
        folder_ = folder;
        screen_.folder = folderAt(folder_), screen_.work = Work{}, started_ = true;
        roster_.reset(), roster_.setStateRoot(root_), roster_.open(), roster_.activate(screen_);
        ref_.start(folderAt(folder_));
    }

    void check() {
        if (!started_)
            return;
        EXPECT_EQ(roster_.owner(), ref_.owner) << "the owner";
        EXPECT_EQ(shared_, ref_.name) << "the name shown";
        EXPECT_EQ(roster_.entries(), ref_.copy) << "the candidate box";
        EXPECT_EQ(screen_.work, ref_.work) << "the work on screen";
        EXPECT_EQ(screen_.work.tally(), std::make_pair(screen_.work.answered, screen_.work.correct))
            << "the counts on screen are not those of the questions left";
        EXPECT_EQ(screen_.prompts, ref_.prompts) << "the name prompts";
        EXPECT_EQ(screen_.reports, ref_.report ? Lines{*ref_.report} : Lines{}) << "the reports";
        const bool listed = !ref_.hidden && fs::exists(listPath());
        EXPECT_EQ(listed        ? readBytes(listPath())
                  : ref_.hidden ? ref_.list
                                : "",
                  ref_.list)
            << "the list";
        std::map<std::string, std::string> disk;
        for (std::size_t i = 0; i < kTestCount; ++i)
            for (const auto& entry : fs::directory_iterator(root_ / folderAt(i)))
                if (std::string bytes = readBytes(entry.path()); !bytes.empty())
                    disk[folderAt(i) + "/" + entry.path().filename().string()] = std::move(bytes);
        EXPECT_EQ(disk, ref_.files) << "the files in the tests' folders";
        for (const auto& [file, bytes] : disk) { // in every progress file, the counts are its rows'
            Work work;
            work.take(linesOf(bytes));
            EXPECT_EQ(work.tally(), std::make_pair(work.answered, work.correct)) << file;
        }
    }

    std::mt19937 random_;
    testing::TempFolder dir_;
    fs::path root_ = dir_.path() / "KVIZOMAT";
    std::map<std::string, std::unique_ptr<testing::UnwritableFolder>> locks_;
    std::string shared_;
    CandidateRoster roster_{shared_};
    Screen screen_;
    Reference ref_;
    bool started_ = false;
    std::size_t folder_ = 0; // the test on screen
    int tokens_ = 0;
    std::ostringstream steps_;
};

int failures() {
    return ::testing::UnitTest::GetInstance()->current_test_info()->result()->total_part_count();
}

TEST(CandidateRoster, RandomRunsAgreeWithAPlainReference) {
    std::ostringstream failing;
    for (unsigned seed = 1; seed <= 120; ++seed) {
        const int before = failures();
        RosterRun run(seed);
        run.startRandomly();
        for (int i = 0; i < 40 && failures() == before; ++i)
            run.step();
        if (failures() != before) {
            ADD_FAILURE() << "seed " << seed << ": " << run.steps();
            failing << " " << seed;
        }
    }
    EXPECT_EQ(failing.str(), "") << "the failing seeds";
}

TEST(CandidateRoster, CasesOnceMissedAgreeWithAPlainReference) {
    const std::pair<const char*, Lines> scripts[] = {
        {"a late name keeps her first attempts and fills her blank row once",
         {"list NOVI_KANDIDAT,ANA", "file 0 1 1 aN,bT,~", "start - 0", "answer T", "leave 2",
          "answer T", "leave 3", "answer T", "end ANA Ne 1", "holds 0 1 3 aN,bT,a2T"}},
        {"unnamed work is kept until the user lets it go",
         {"start - 0", "answer T", "leave 2", "answer N", "end - Ne 0", "end - Da 1"}},
        {"a list emptied outside is written back whole, and nothing is set aside",
         {"list NOVI_KANDIDAT,ANA,PERA", "file 0 1 2 aT,~,~", "file 0 2 1 ~,bN,", "start ANA 0",
          "answer N", "edit empty", "end PERA Ne 0"}},
        {"a line removed outside joins no one's rows to another's file",
         {"list NOVI_KANDIDAT,ANA,PERA", "file 0 1 1 aT,bT,cT", "file 0 2 2 dN,~,~", "start PERA 0",
          "answer T", "edit remove 1", "save -", "leave 3", "answer N", "save -"}},
        {"a file that cannot be set aside keeps new names waiting, reported only with answers",
         {"list NOVI_KANDIDAT,ANA", "file 1 2 1 aT,~,~", "lock 1", "start ANA 0", "choose MARKO",
          "choose LUKA", "answer T", "save -", "unlock 1", "save -"}},
        {"her saved progress joins the work as soon as a list read at last gives her place",
         {"list NOVI_KANDIDAT,ANA", "file 1 1 2 aT,~,bN", "unreadable", "start - 1", "choose ANA",
          "answer T", "mend", "choose ANA"}},
        {"the first entry takes the blank template, and its work goes to the name given",
         {"start - 0", "save -", "leave 3", "choose NOVI_KANDIDAT", "answer T", "save IVA"}},
    };
    for (const auto& [name, script] : scripts) {
        const int before = failures();
        RosterRun run(1);
        for (const std::string& step : script)
            run.play(step);
        if (failures() != before)
            ADD_FAILURE() << name << ": " << run.steps();
    }
}

} // namespace
} // namespace kviz
