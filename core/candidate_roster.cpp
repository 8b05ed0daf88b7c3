#include "core/candidate_roster.h"

#include "core/catalogue.h"
#include "core/kvizomat_module.h"
#include "core/progress_file.h"
#include "platform/files.h"

#include <algorithm>

namespace kviz {

CandidateRoster candidateRoster{basKvizomat.candidateName};

namespace {
// The name left by a cancelled prompt while the work has no file of its own.
const char* const kUnnamedCandidate = "Novi kandidat";
// The bytes a name takes in the list file, its line end included.
std::uintmax_t lineBytes(const std::string& name) { return name.size() + 2; }
} // namespace

void CandidateRoster::reset() {
    name_.clear();
    root_.clear();
    entries_.clear();
    onDisk_ = 0;
    listTaken_ = false;
    owner_ = -1;
    ownerLoaded_ = false;
    waitingFor_.clear();
}

int CandidateRoster::find(const std::string& name, std::size_t from) const {
    const auto at =
        std::find(entries_.begin() + static_cast<std::ptrdiff_t>(std::min(from, entries_.size())),
                  entries_.end(), name);
    return at == entries_.end() ? -1 : static_cast<int>(at - entries_.begin());
}

int CandidateRoster::appendName(const std::string& name) {
    entries_.push_back(name);
    return static_cast<int>(entries_.size()) - 1;
}

void CandidateRoster::setOwner(int position) {
    if (position != owner_)
        ownerLoaded_ = false;
    owner_ = position;
}

std::filesystem::path CandidateRoster::progressPath(const CandidateWork& work, int position) const {
    return root_ / work.progressFolderName() / progressFileName(position);
}

void CandidateRoster::readList() {
    if (listTaken_)
        return;
    // A list that cannot be probed or read shows as its first entry alone, gives no position
    // and is never written over; it is read at the next load, choice and save.
    const auto path = listPath();
    std::optional<std::vector<std::string>> lines;
    if (!files::unreadable(path)) {
        const auto length = files::lengthCreatingIfMissing(path);
        if (length)
            lines = *length > 0 ? files::readLines(path) : std::vector<std::string>{};
    }
    if (!lines) {
        if (entries_.empty())
            entries_ = {kNewCandidate};
        onDisk_ = 1; // entry 0 never has a file, so its position needs no list
        return;
    }
    listTaken_ = true;
    const bool empty = lines->empty();
    std::vector<std::string> read = empty ? std::vector<std::string>{kNewCandidate} : *lines;
    // The names given while the list could not be read wait at the end, where it lacks them.
    // The owner's work keeps a file of its own, so its name waits also when only the first
    // line holds it.
    const std::string ownerName = owner_ >= 1 ? entries_[static_cast<std::size_t>(owner_)] : "";
    std::vector<std::string> waiting;
    for (std::size_t i = 1; i < entries_.size(); ++i)
        if (std::find(read.begin() + 1, read.end(), entries_[i]) == read.end() &&
            std::find(waiting.begin(), waiting.end(), entries_[i]) == waiting.end())
            waiting.push_back(entries_[i]);
    onDisk_ = read.size();
    entries_ = std::move(read);
    entries_.insert(entries_.end(), waiting.begin(), waiting.end());
    setOwner(owner_ >= 1 ? find(ownerName, 1) : empty ? -1 : 0);
}

bool CandidateRoster::hasRoomFor(const std::string& name) const {
    if (find(name) >= 0)
        return true;
    std::uintmax_t bytes = lineBytes(name);
    for (const std::string& entry : entries_)
        bytes += lineBytes(entry);
    return bytes <= files::kLargestTextFile;
}

void CandidateRoster::open() {
    readList();
    ownerLoaded_ = false;
    if (owner_ < 0 && name_.empty())
        name_ = kNewCandidate;
}

bool CandidateRoster::takeSavedProgress(CandidateWork& work) {
    if (owner_ < 0)
        return true;
    if (static_cast<std::size_t>(owner_) >= onDisk_) {
        // A name not on disk has no saved progress; while the list cannot be read, a name's
        // place there is not known, and what it saved is taken once it is.
        ownerLoaded_ = listTaken_;
        return listTaken_;
    }
    const auto path = progressPath(work, owner_);
    const auto length = files::lengthCreatingIfMissing(path);
    if (!length)
        return false;
    if (*length > 0) {
        const auto lines = files::readLines(path);
        if (!lines)
            return false;
        const auto joined = joinProgress(*lines, work.workLines(), work.progressQuestionCount(),
                                         work.openQuestion());
        work.takeLines(joined.lines, joined.openStays);
    }
    ownerLoaded_ = true;
    return true;
}

void CandidateRoster::nameWork(const std::string& name, CandidateWork& work) {
    const int found = find(name);
    setOwner(found >= 0 ? found : appendName(name));
    name_ = name;
    takeSavedProgress(work);
}

std::optional<std::string> CandidateRoster::prompt(CandidateWork& work) {
    if (name_.empty())
        name_ = kUnnamedCandidate;
    return work.askName(name_);
}

void CandidateRoster::activate(CandidateWork& work) {
    bool asked = false;
    if (name_.empty()) {
        name_ = kNewCandidate;
        if (auto given = work.askName(name_))
            choose(*given, work);
        else
            name_ = kUnnamedCandidate;
        asked = true;
    }
    if (!ownerLoaded_ && (asked || ownerHasFile()))
        takeSavedProgress(work);
}

void CandidateRoster::choose(const std::string& name, CandidateWork& work) {
    readList();
    // The owner's saved progress, whose place the list gives only now, joins the work at once.
    if (ownerHasFile() && !ownerLoaded_)
        takeSavedProgress(work);
    if (ownerHasFile() ? name == name_ : owner_ >= 0 && find(name) == owner_) {
        name_ = name; // the owner chosen again keeps the work done since the last save
        return;
    }
    if (!ownerHasFile()) {
        nameWork(name, work);
        return;
    }
    // The owner's work is saved before another is chosen; work that cannot be saved stays, with
    // its candidate, and the name chosen does not join the list.
    if (save(work, "Kandidat nije promenjen.") != SaveOutcome::Saved)
        return;
    const int found = find(name);
    setOwner(found >= 0 ? found : appendName(name));
    name_ = name;
    work.startClean();
    takeSavedProgress(work);
}

void CandidateRoster::ask(CandidateWork& work) {
    if (auto given = prompt(work))
        choose(*given, work);
    else if (!ownerHasFile())
        name_ = kUnnamedCandidate;
}

bool CandidateRoster::positionFree(std::size_t position) {
    bool free = true;
    for (std::string_view folder : progressFoldersInCreationOrder()) {
        const auto path = root_ / folder / progressFileName(static_cast<int>(position));
        if (!setAsideProgressFile(path)) {
            waitingFor_.push_back({path, "ne moze se skloniti"});
            free = false;
        }
    }
    return free;
}

namespace {

// Why a file could not be written, in the user's words.
std::string faultText(files::Fault fault) {
    switch (fault) {
    case files::Fault::TooLarge:
        return "prevelik fajl";
    case files::Fault::NotAFile:
        return "nije obican fajl";
    case files::Fault::NoFolder:
        return "nema foldera";
    case files::Fault::NoRoom:
        return "nema mesta na disku";
    case files::Fault::NoAccess:
        return "nema dozvole";
    default:
        return "greska pri upisu";
    }
}

void addOnce(std::vector<UnsavedFile>& files, const UnsavedFile& file) {
    if (std::find(files.begin(), files.end(), file) == files.end())
        files.push_back(file);
}

} // namespace

void CandidateRoster::writeList(std::vector<UnsavedFile>& failed) {
    waitingFor_.clear();
    const auto path = listPath();
    if (!listTaken_) {
        waitingFor_.push_back({path, faultText(files::readFault(path))});
        failed.push_back(waitingFor_.back());
        return;
    }
    std::uintmax_t bytes = 0;
    for (std::size_t i = 0; i < onDisk_; ++i)
        bytes += lineBytes(entries_[i]);
    // A list is never written past what can be read back.
    std::size_t upTo = onDisk_;
    for (; upTo < entries_.size(); ++upTo) {
        bytes += lineBytes(entries_[upTo]);
        if (bytes > files::kLargestTextFile) {
            waitingFor_.push_back({path, "lista kandidata bi bila prevelika"});
            break;
        }
        if (!positionFree(upTo))
            break;
    }
    const std::vector<std::string> lines(entries_.begin(),
                                         entries_.begin() + static_cast<std::ptrdiff_t>(upTo));
    if (const auto saved = files::writeLines(path, lines); !saved) {
        waitingFor_.push_back({path, faultText(saved.fault)});
        failed.push_back(waitingFor_.back());
        return;
    }
    onDisk_ = upTo;
}

SaveOutcome CandidateRoster::save(CandidateWork& work, const std::string& consequence) {
    readList();
    // Work without a file of its own is asked a name while the name is the placeholder, and
    // again at every save while it holds answers.
    if (!ownerHasFile() &&
        (name_.find(kNewCandidate) != std::string::npos || holdsAnswers(work.workLines()))) {
        if (auto given = prompt(work))
            nameWork(*given, work);
        else
            name_ = kUnnamedCandidate;
    }
    // Saved progress the work does not hold yet is joined to it, never written over.
    const bool joined = !ownerHasFile() || ownerLoaded_ || takeSavedProgress(work);
    std::vector<UnsavedFile> failed;
    writeList(failed);
    const auto blank = progressPath(work, 0);
    if (const auto saved = files::writeLines(blank, templateLines(work.progressQuestionCount()));
        !saved)
        failed.push_back({blank, faultText(saved.fault)});
    // Work that holds no answer has nothing to lose: it is never refused.
    const auto lines = work.workLines();
    const bool answers = holdsAnswers(lines);
    SaveOutcome outcome = SaveOutcome::Saved;
    if (ownerHasFile()) {
        const auto path = progressPath(work, owner_);
        if (static_cast<std::size_t>(owner_) >= onDisk_) {
            if (answers) {
                outcome = SaveOutcome::Failed;
                for (const UnsavedFile& cause : waitingFor_)
                    addOnce(failed, cause);
            }
        } else if (!joined) {
            if (answers) {
                outcome = SaveOutcome::Failed;
                failed.push_back({path, faultText(files::readFault(path))});
            }
        } else if (const auto saved = files::writeLines(path, lines); !saved && answers) {
            outcome = SaveOutcome::Failed;
            failed.push_back({path, faultText(saved.fault)});
        }
    } else if (answers) {
        outcome = SaveOutcome::Unnamed;
    }
    if (!failed.empty())
        work.reportUnsaved(failed, outcome == SaveOutcome::Failed ? consequence : std::string());
    return outcome;
}

} // namespace kviz
