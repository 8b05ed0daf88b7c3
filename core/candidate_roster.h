// The candidate roster: one for the whole program, as the shared variables are. It holds the
// candidate list, the entry that owns the work on screen, the name shown for it, and the rules
// that name, load, join and save a candidate's work. Every test window's candidate box, name
// prompt, load and save go through it, and it outlives a switch of tests, so the next window
// goes on with the same owner.
//
// The rules:
// - The program's copy of the list decides the positions: it is read at the start, or the
//   first time the list can be read, and written whole at every save. An edit made outside
//   while the program runs never moves a candidate's files, sets them aside or joins them to
//   another's work; names added outside meanwhile are not taken.
// - A name the list on disk does not hold yet gets its position when it is written, once the
//   files under that position in every test are set aside. A file that cannot be set aside, or
//   a list that would grow past what can be read back, keeps that name and the ones after it
//   waiting; work with answers under a waiting name is refused, and the file is named.
// - Entry 0 has no file of its own. Work with answers there is asked a name at every save, and
//   a cancel tells the caller, who asks the user before the work is let go.
// - Work given a name later is joined to that candidate's saved progress in the test: her
//   first attempts stay, and the work fills only the rows she left without a verdict.
// - Choosing another candidate first saves the owner's work; when that fails, the owner and the
//   work stay.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kviz {

// A file that a save could not write, with the reason, in the user's words.
struct UnsavedFile {
    std::filesystem::path file;
    std::string reason;
    bool operator==(const UnsavedFile&) const = default;
};

// The work on screen in the test window at hand, as the roster asks it of the window.
class CandidateWork {
public:
    virtual ~CandidateWork() = default;
    // The test's progress folder under the state root.
    virtual std::string progressFolderName() const = 0;
    virtual int progressQuestionCount() const = 0;
    // The work on screen as the lines of its progress file, where the question on screen counts
    // as if it were left.
    virtual std::vector<std::string> workLines() const = 0;
    // The question on screen while its answer is still to be counted when it is left; 0 for none.
    virtual int openQuestion() const = 0;
    // Takes the lines of a progress file as the work on screen; what they lack stays. When the
    // open question stays, its answer is still to be counted when it is left; else the answer on
    // screen is taken as counted.
    virtual void takeLines(const std::vector<std::string>& lines, bool openStays) = 0;
    // Question 1, no counts, no answers.
    virtual void startClean() = 0;
    // The name prompt with its default answer: the name given, as the list keeps it, or none.
    virtual std::optional<std::string> askName(const std::string& defaultAnswer) = 0;
    // Names the files that could not be saved, and what follows when that is not empty.
    virtual void reportUnsaved(const std::vector<UnsavedFile>& files,
                               const std::string& consequence) = 0;
};

// What became of the work at a save.
enum class SaveOutcome {
    Saved,   // the work is on disk, or it held nothing to save
    Failed,  // it could not be written, which was reported
    Unnamed, // it holds answers, and the name prompt gave no name that keeps a file
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
    // The list holds the name, or has room for it within what can be read back.
    bool hasRoomFor(const std::string& name) const;

    // A window loads: the owner's saved progress in the window's test is not part of the work
    // yet.
    void open();
    // The window shows for the first time: it asks a name while there is none, then takes the
    // owner's saved progress in its test.
    void activate(CandidateWork& work);
    // A name confirmed in the candidate box.
    void choose(const std::string& name, CandidateWork& work);
    // The name prompt of the Kandidat menu; a cancel keeps the owner.
    void ask(CandidateWork& work);
    // Saves the list and the owner's work in the test, asking a name first for work without a
    // file of its own. What could not be written is reported; when that is the work, the
    // report ends with the consequence given.
    SaveOutcome save(CandidateWork& work, const std::string& consequence);

private:
    // Takes the list on disk, the first time it can be read.
    void readList();
    // The owner changes; its saved progress is not part of the work yet.
    void setOwner(int position);
    // The name prompt, whose default is the name shown.
    std::optional<std::string> prompt(CandidateWork& work);
    // The unnamed work is given a name: it becomes that entry's, joined to its saved progress.
    void nameWork(const std::string& name, CandidateWork& work);
    // Joins the owner's saved progress in the test to the work; false when it cannot be read.
    bool takeSavedProgress(CandidateWork& work);
    // Writes the list up to the first name that must wait; what keeps names waiting is noted.
    void writeList(std::vector<UnsavedFile>& failed);
    bool positionFree(std::size_t position);
    std::filesystem::path progressPath(const CandidateWork& work, int position) const;
    // The first entry from the one given on that holds the name; -1 for none.
    int find(const std::string& name, std::size_t from = 0) const;
    int appendName(const std::string& name);

    std::string& name_;
    std::filesystem::path root_;
    std::vector<std::string> entries_;
    std::size_t onDisk_ = 0; // the first entries, whose positions the list on disk holds
    bool listTaken_ = false; // the list on disk has been read; the copy here decides from now on
    int owner_ = -1;
    bool ownerLoaded_ = false; // the owner's saved progress in this test is part of the work
    std::vector<UnsavedFile> waitingFor_; // what kept the names past onDisk_ waiting
};

// The program's roster, which keeps basKvizomat.candidateName.
extern CandidateRoster candidateRoster;

} // namespace kviz
