// The candidate roster under seeded random runs of what a user and the disk can do, against a
// plain reference of whose answers are whose. Every answer is a token of its own; the reference
// gives it to the candidate it was given for, and a name given to work without one takes that
// work's tokens. After every step: no progress file holds another candidate's tokens, nor the
// template any; a candidate's saved answers stay saved; work reported as kept is on disk, and
// work not kept is on screen or was reported. A failing seed prints its steps.
#include "core/candidate_roster.h"
#include "core/catalogue.h"
#include "core/progress_file.h"
#include "platform/files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

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

constexpr int kQuestions = 4;
const std::vector<std::string> kNames = {"ANA", "PERA", "MIKA", "IVA", "NOVI KANDIDAT"};
const char* const kNobody = "#nobody"; // the owner of a file left under a free position
const char* const kAnyone = "#anyone"; // a token from before an edit of the list outside

// The tokens of a file's rows or the screen's, by question.
std::map<int, std::string> tokensOf(const std::vector<std::string>& lines) {
    std::map<int, std::string> tokens;
    const auto rows = progressRows(lines, kQuestions);
    for (std::size_t q = 0; q < rows.size(); ++q)
        if (rows[q].size() > 1 && (rows[q].back() == 'T' || rows[q].back() == 'N'))
            tokens[static_cast<int>(q)] = rows[q].substr(0, rows[q].size() - 1);
    return tokens;
}

// The work on screen as the lines of its progress file; an answer is a token "a<number>" and
// its result.
class Screen : public CandidateWork {
public:
    explicit Screen(std::string folder) : folder_(std::move(folder)) { startClean(); }
    std::string progressFolderName() const override { return folder_; }
    int progressQuestionCount() const override { return kQuestions; }
    std::vector<std::string> workLines() const override { return lines; }
    int openQuestion() const override { return 0; }
    void takeLines(const std::vector<std::string>& taken, bool) override {
        std::copy_n(taken.begin(), std::min(taken.size(), lines.size()), lines.begin());
    }
    void startClean() override {
        lines = progressHeader(1, 0, 0);
        lines.resize(3 + kQuestions, std::string(1, '\0'));
    }
    std::optional<std::string> askName(const std::string&) override { return promptAnswer; }
    void reportUnsaved(const std::vector<UnsavedFile>&, const std::string& consequence) override {
        ++reports;
        lastConsequence = consequence;
    }

    std::string folder_;
    std::vector<std::string> lines;
    std::optional<std::string> promptAnswer;
    int reports = 0;
    std::string lastConsequence;
};

class RosterRun {
public:
    explicit RosterRun(unsigned seed) : random_(seed) {
        const std::vector<std::string> lists = {
            "", "NOVI KANDIDAT\r\n", "NOVI KANDIDAT\r\nANA\r\nPERA\r\n", "ANA\r\nPERA\r\n"};
        fs::create_directories(root_);
        for (std::string_view folder : progressFoldersInCreationOrder())
            fs::create_directories(root_ / folder);
        const std::string list = lists[pick(lists.size())];
        if (!list.empty())
            writeBytes(listPath(), list);
        // ANA has saved work in some tests.
        if (list.find("\nANA") != std::string::npos)
            for (std::string_view folder : progressFoldersInCreationOrder())
                if (pick(2) == 0)
                    writeFile(root_ / folder / "BrZadPit.1", "ANA");
        steps_ << "list \"" << list << "\"";
        startProgram();
    }

    void step() {
        using Step = void (RosterRun::*)();
        static constexpr Step kSteps[] = {
            &RosterRun::answer,     &RosterRun::answer,         &RosterRun::answer,
            &RosterRun::choose,     &RosterRun::choose,         &RosterRun::ask,
            &RosterRun::switchTest, &RosterRun::endWork,        &RosterRun::saveAndStay,
            &RosterRun::editList,   &RosterRun::hideOrMendList, &RosterRun::lockOrUnlockFolder,
            &RosterRun::leaveAFile};
        (this->*kSteps[pick(std::size(kSteps))])();
        check();
    }

    std::string steps() const { return steps_.str(); }

private:
    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }
    fs::path listPath() const { return root_ / "Kandidat.ime"; }
    // The lines of the list on disk, when it can be read.
    std::optional<std::vector<std::string>> listOnDisk() const {
        if (listHidden_)
            return std::nullopt;
        return files::readLines(listPath());
    }
    std::optional<std::string> anyName() {
        if (pick(5) == 0)
            return std::nullopt;
        return kNames[pick(kNames.size())];
    }

    // A progress file of tokens owned by a candidate, the rest of its rows unanswered.
    void writeFile(const fs::path& path, const std::string& candidate) {
        std::vector<std::string> rows(kQuestions, std::string(1, '\0'));
        for (auto& row : rows)
            if (pick(2) == 0)
                row = newToken(candidate) + "T";
        auto lines = progressHeader(1, 1, 1);
        lines.insert(lines.end(), rows.begin(), rows.end());
        ASSERT_TRUE(files::writeLines(path, lines));
    }
    std::string newToken(const std::string& candidate) {
        const std::string token = "a" + std::to_string(tokens_.size());
        tokens_[token] = candidate;
        return token;
    }

    void startProgram() {
        roster_.reset();
        roster_.setStateRoot(root_);
        screen_ = std::make_unique<Screen>(std::string(progressFoldersInCreationOrder()[0]));
        roster_.open();
        screen_->promptAnswer = anyName();
        steps_ << "; start, prompt " << screen_->promptAnswer.value_or("cancelled");
        roster_.activate(*screen_);
        follow();
    }

    // The reference takes the owner the user now sees: unnamed work given a name is that
    // candidate's, and work whose entry lost its file waits for the next name given.
    void follow() {
        const std::string now = roster_.ownerHasFile() ? roster_.name() : "";
        if (now != current_)
            for (const auto& [q, token] : tokensOf(screen_->lines))
                if (tokens_[token] == current_ && (current_.empty() || now.empty()))
                    tokens_[token] = now;
        current_ = now;
    }

    void answer() {
        const int q = static_cast<int>(pick(kQuestions));
        std::string& row = screen_->lines[3 + static_cast<std::size_t>(q)];
        live_.erase(row.substr(0, row.size() - 1));
        row = newToken(current_) + "T";
        live_[row.substr(0, row.size() - 1)] = {screen_->folder_, q};
        steps_ << "; answer " << q + 1;
    }

    void choose() {
        const std::string name = kNames[pick(kNames.size())];
        screen_->promptAnswer = anyName();
        steps_ << "; choose " << name;
        roster_.choose(name, *screen_);
        follow();
    }

    void ask() {
        screen_->promptAnswer = anyName();
        steps_ << "; ask " << screen_->promptAnswer.value_or("cancelled");
        roster_.ask(*screen_);
        follow();
    }

    bool save(const std::string& consequence) {
        screen_->promptAnswer = anyName();
        const int reports = screen_->reports;
        // A candidate whose name the list on disk holds saves whatever else fails.
        const auto list = listOnDisk().value_or(std::vector<std::string>{});
        const bool mustKeep = roster_.ownerHasFile() && locked_.count(screen_->folder_) == 0 &&
                              list.size() > 1 &&
                              std::find(list.begin() + 1, list.end(), roster_.name()) != list.end();
        steps_ << "; save, prompt " << screen_->promptAnswer.value_or("cancelled");
        const bool kept = roster_.save(*screen_, consequence) != SaveOutcome::Failed;
        follow();
        EXPECT_TRUE(kept || !mustKeep) << "a candidate on the list could not save";
        if (!kept) {
            EXPECT_GT(screen_->reports, reports) << "work not kept was not reported";
            EXPECT_EQ(screen_->lastConsequence, consequence);
        } else if (roster_.ownerHasFile()) {
            const auto path = root_ / screen_->folder_ / progressFileName(roster_.owner());
            EXPECT_EQ(files::readLines(path), screen_->workLines()) << "kept work is not on disk";
        }
        return kept;
    }

    // The work on screen is let go after the user said so: a cancelled name, or Da at the end.
    void dropScreen() {
        for (const auto& [q, token] : tokensOf(screen_->lines))
            live_.erase(token);
    }

    // A save whose window stays: Ne at the end of work, or a switch refused.
    void saveAndStay() { save("Test nije promenjen."); }

    void switchTest() {
        if (!save("Test nije promenjen."))
            return;
        if (!roster_.ownerHasFile() && !screen_->promptAnswer)
            dropScreen();
        const std::string name = roster_.name();
        const bool hasFile = roster_.ownerHasFile();
        const auto folders = progressFoldersInCreationOrder();
        screen_ = std::make_unique<Screen>(std::string(folders[pick(folders.size())]));
        steps_ << "; switch to " << screen_->folder_;
        roster_.open();
        roster_.activate(*screen_);
        EXPECT_EQ(roster_.ownerHasFile(), hasFile) << "the switch lost the candidate";
        EXPECT_TRUE(!hasFile || roster_.name() == name) << "the switch lost the candidate";
        follow();
    }

    void endWork() {
        const bool kept = save("");
        if (kept && !roster_.ownerHasFile() && !screen_->promptAnswer)
            dropScreen();
        if (kept || pick(2) == 0) {
            if (!kept)
                dropScreen();
            steps_ << "; the program ends";
            startProgram();
        }
    }

    // An edit of the list outside the program: a line added, taken out, renamed or doubled;
    // the first line stays. Tokens saved so far may change hands with it.
    void editList() {
        if (!listOnDisk())
            return;
        auto lines = *listOnDisk();
        if (lines.size() < 2) {
            lines.push_back(kNames[pick(kNames.size())]);
        } else {
            const std::size_t at = 1 + pick(lines.size() - 1), edit = pick(4);
            const auto line = lines.begin() + static_cast<std::ptrdiff_t>(at);
            if (edit == 0)
                lines.insert(line, kNames[pick(kNames.size())]);
            else if (edit == 1)
                lines.erase(line);
            else
                edit == 2 ? void(lines[at] += "X") : lines.push_back(lines[at]);
        }
        ASSERT_TRUE(files::writeLines(listPath(), lines));
        steps_ << "; list edited outside";
        for (auto& [token, candidate] : tokens_)
            candidate = kAnyone;
        live_.clear();
        saved_.clear();
    }

    void hideOrMendList() {
        const fs::path hidden = root_ / "list.hidden";
        if (listHidden_) {
            fs::remove(listPath());
            if (fs::exists(hidden))
                fs::rename(hidden, listPath());
            steps_ << "; list mended";
        } else {
            if (fs::exists(listPath()))
                fs::rename(listPath(), hidden);
            fs::create_directory(listPath());
            steps_ << "; list made unreadable";
        }
        listHidden_ = !listHidden_;
    }

    void lockOrUnlockFolder() {
        const std::string folder(progressFoldersInCreationOrder()[pick(kTestCount)]);
        if (locked_.erase(folder) != 0) {
            steps_ << "; " << folder << " writable";
        } else {
            locked_[folder] = std::make_unique<testing::UnwritableFolder>(root_ / folder);
            steps_ << "; " << folder << " read-only";
        }
    }

    // A file under the position the next new name would take, left by nobody on the list.
    void leaveAFile() {
        const auto lines = listOnDisk();
        if (!lines)
            return;
        const std::string folder(progressFoldersInCreationOrder()[pick(kTestCount)]);
        const fs::path path =
            root_ / folder / progressFileName(std::max(static_cast<int>(lines->size()), 1));
        if (locked_.count(folder) != 0 || fs::exists(path))
            return;
        writeFile(path, kNobody);
        steps_ << "; a file left at " << folder << "/" << path.filename().string();
    }

    void check() {
        SCOPED_TRACE(steps());
        if (roster_.ownerHasFile()) {
            ASSERT_LT(static_cast<std::size_t>(roster_.owner()), roster_.entries().size());
            EXPECT_EQ(roster_.entries()[static_cast<std::size_t>(roster_.owner())], roster_.name())
                << "the name shown is not the owner's";
        }
        for (const auto& [q, token] : tokensOf(screen_->lines))
            EXPECT_TRUE(tokens_[token] == current_ || tokens_[token] == kAnyone)
                << token << " of " << tokens_[token] << " on screen for " << current_;
        if (!listOnDisk())
            return;
        const auto list = *listOnDisk();
        std::map<std::pair<std::string, std::string>, std::map<int, std::string>> saved;
        std::set<std::string> kept;
        for (const auto& [q, token] : tokensOf(screen_->lines))
            kept.insert(token);
        for (std::string_view folderName : progressFoldersInCreationOrder()) {
            const std::string folder(folderName);
            for (std::size_t n = 0; n <= list.size() + 1; ++n) {
                const fs::path path = root_ / folder / progressFileName(static_cast<int>(n));
                const auto lines = files::readLines(path);
                if (!lines)
                    continue;
                const auto held = tokensOf(*lines);
                const std::string candidate = n >= 1 && n < list.size() ? list[n] : kNobody;
                const std::string bytes = readBytes(path);
                const bool written = seen_[path] != bytes;
                seen_[path] = bytes;
                for (const auto& [q, token] : held) {
                    kept.insert(token);
                    if (written) {
                        EXPECT_TRUE(n >= 1 &&
                                    (tokens_[token] == candidate || tokens_[token] == kAnyone))
                            << path << " holds " << token << " of " << tokens_[token];
                    }
                    if (tokens_[token] == candidate && candidate != kNobody)
                        saved[{candidate, folder}][q] = token;
                }
            }
        }
        // What a candidate had saved stays saved, or gives way to a later answer of the same.
        for (const auto& [key, rows] : saved_)
            for (const auto& [q, token] : rows)
                EXPECT_TRUE(saved[key].count(q) != 0)
                    << key.first << "'s answer " << token << " in " << key.second << " was lost";
        saved_ = std::move(saved);
        for (const auto& [token, where] : live_) {
            const auto slot = std::make_pair(tokens_[token], where.first);
            EXPECT_TRUE(kept.count(token) != 0 || saved_[slot].count(where.second) != 0)
                << "the answer " << token << " was lost";
        }
    }

    std::mt19937 random_;
    testing::TempFolder dir_;
    fs::path root_ = dir_.path() / "KVIZOMAT";
    std::string name_;
    CandidateRoster roster_{name_};
    std::unique_ptr<Screen> screen_;
    std::map<std::string, std::string> tokens_; // token -> the candidate it was given for
    std::string current_;                       // the candidate at work, "" for none
    std::map<fs::path, std::string> seen_;      // each file's bytes at the last check
    std::map<std::pair<std::string, std::string>, std::map<int, std::string>> saved_;
    std::map<std::string, std::unique_ptr<testing::UnwritableFolder>> locked_;
    // Answers given and not let go, with their test and question: each is on screen or saved,
    // or gave way to a later answer of the same candidate to the same question.
    std::map<std::string, std::pair<std::string, int>> live_;
    bool listHidden_ = false;
    std::ostringstream steps_;
};

TEST(CandidateRoster, RandomRunsKeepEveryonesWorkTheirOwn) {
    for (unsigned seed = 1; seed <= 120; ++seed) {
        RosterRun run(seed);
        for (int i = 0; i < 40 && !::testing::Test::HasFailure(); ++i)
            run.step();
        ASSERT_FALSE(::testing::Test::HasFailure()) << "seed " << seed << ": " << run.steps();
    }
}

} // namespace
} // namespace kviz
