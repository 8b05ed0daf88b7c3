// The candidate roster: one for the whole program, as the shared variables are. It holds the
// candidate list as read, the entry that owns the work on screen, the name shown for it, and
// the rules that name, load, join and save a candidate's work. Every test window's candidate
// box, name prompt, load and save go through it, and it outlives a switch of tests, so the next
// window goes on with the same owner.
//
// The rules:
// - Positions come from the list on disk, which is read again at every load, choice and save;
//   a name stays where its line still holds it, else it takes the first line that does, else
//   it waits at the end of the list. A name not on disk yet gets its position when it is
//   written, once the files under that position in every test are set aside; a file that
//   cannot be set aside blocks that name alone, and the list is written up to it.
// - Entry 0 has no file of its own: its work is asked a name at every save. Work given a name
//   later is joined to that candidate's saved progress in the test, never put in its place.
// - Choosing another candidate first saves the owner's work; when that fails, the owner and
//   the work stay.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kviz {

// The work on screen in the test window at hand, as the roster asks it of the window.
class CandidateWork {
public:
    virtual ~CandidateWork() = default;
    // The test's progress folder under the state root.
    virtual std::string progressFolderName() const = 0;
    virtual int progressQuestionCount() const = 0;
    // The work on screen as the lines of a progress file; the question on screen counts first.
    virtual std::vector<std::string> workLines() = 0;
    // Takes the lines of a progress file as the work on screen; what they lack stays.
    virtual void takeLines(const std::vector<std::string>& lines) = 0;
    // Question 1, no counts, no answers.
    virtual void startClean() = 0;
    // The name prompt with its default answer: the name given, as the list keeps it, or none.
    virtual std::optional<std::string> askName(const std::string& defaultAnswer) = 0;
    // Names the files that could not be saved, and what follows when that is not empty.
    virtual void reportUnsaved(const std::vector<std::filesystem::path>& files,
                               const std::string& consequence) = 0;
};

class CandidateRoster {
public:
    // The roster keeps its name in the shared text given, which it alone changes.
    explicit CandidateRoster(std::string& sharedName) : name_(sharedName) {}

    // Forgets the list and the owner, as at the start of the program.
    void reset();
    void setStateRoot(std::filesystem::path root) { root_ = std::move(root); }
    std::filesystem::path listPath() const { return root_ / "Kandidat.ime"; }

    const std::vector<std::string>& entries() const { return entries_; }
    // The entry that owns the work on screen; -1 for none.
    int owner() const { return owner_; }
    const std::string& name() const { return name_; }
    // The owner's work has a file of its own: its entry is past the first.
    bool ownerHasFile() const { return owner_ >= 1; }

    // A window loads: the list is read again, and the owner's saved progress in the window's
    // test is not part of the work yet.
    void open();
    // The window shows for the first time: it asks a name while there is none, then takes the
    // owner's saved progress in its test.
    void activate(CandidateWork& work);
    // A name confirmed in the candidate box.
    void choose(const std::string& name, CandidateWork& work);
    // The name prompt of the Kandidat menu; a cancel keeps the owner.
    void ask(CandidateWork& work);
    // Saves the list and the owner's work in the test, asking a name first for work without a
    // file of its own. False when work that has an owner could not be kept; what failed is
    // reported, ending with the consequence given.
    bool save(CandidateWork& work, const std::string& consequence);

private:
    void readList();
    // The owner changes; its saved progress is not part of the work yet.
    void setOwner(int position);
    // The name prompt, whose default is the name shown.
    std::optional<std::string> prompt(CandidateWork& work);
    // The unnamed work is given a name: it becomes that entry's, joined to its saved progress.
    void nameWork(const std::string& name, CandidateWork& work);
    // Joins the owner's saved progress in the test to the work; false when it cannot be read.
    bool takeSavedProgress(CandidateWork& work);
    // Writes the list up to the first name that a file still blocks; false when not written.
    bool writeList();
    bool positionFree(std::size_t position);
    std::filesystem::path progressPath(const CandidateWork& work, int position) const;
    // The first entry from the one given on that holds the name; -1 for none.
    int find(const std::string& name, std::size_t from = 0) const;
    int appendName(const std::string& name);

    std::string& name_;
    std::filesystem::path root_;
    std::vector<std::string> entries_;
    std::size_t onDisk_ = 0; // the first entries, whose positions the list on disk gives
    bool listReadable_ = true;
    int owner_ = -1;
    bool ownerLoaded_ = false; // the owner's saved progress in this test is part of the work
    std::vector<std::filesystem::path> inTheWay_; // files that blocked the owner's position
};

// The program's roster, which keeps basKvizomat.candidateName.
extern CandidateRoster candidateRoster;

} // namespace kviz
