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
} // namespace

void CandidateRoster::reset() {
    name_.clear();
    root_.clear();
    entries_.clear();
    onDisk_ = 0;
    listReadable_ = true;
    owner_ = -1;
    ownerLoaded_ = false;
    inTheWay_.clear();
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
    const auto path = listPath();
    // A list that cannot be probed or read shows as empty, gives no position and is never
    // written over; it is read again at the next load, choice and save.
    std::optional<std::vector<std::string>> lines;
    listReadable_ = !files::unreadable(path);
    if (listReadable_) {
        const auto length = files::lengthCreatingIfMissing(path);
        lines = length && *length > 0 ? files::readLines(path) : std::vector<std::string>{};
        listReadable_ = length && lines;
    }
    if (!listReadable_) {
        if (entries_.empty())
            entries_ = {kNewCandidate};
        onDisk_ = 1; // entry 0 never has a file, so its position needs no list
        return;
    }
    const bool empty = lines->empty();
    std::vector<std::string> read = empty ? std::vector<std::string>{kNewCandidate} : *lines;
    const std::string ownerName = owner_ >= 1 ? entries_[static_cast<std::size_t>(owner_)] : "";
    // The names not on disk wait at the end: those given since the last write, and the owner's
    // when an edit outside took it off the list. The owner's work keeps a file of its own, so
    // its name waits also when only the first line holds it.
    std::vector<std::string> waiting;
    const auto onList = [&](const std::string& name) {
        return std::find(read.begin() + 1, read.end(), name) != read.end() ||
               std::find(waiting.begin(), waiting.end(), name) != waiting.end();
    };
    for (std::size_t i = onDisk_; i < entries_.size(); ++i)
        if (!onList(entries_[i]) && entries_[i] != read.front())
            waiting.push_back(entries_[i]);
    if (owner_ >= 1 && !onList(ownerName))
        waiting.push_back(ownerName);
    const bool ownerStays = owner_ >= 1 && static_cast<std::size_t>(owner_) < read.size() &&
                            read[static_cast<std::size_t>(owner_)] == ownerName;
    onDisk_ = read.size();
    entries_ = std::move(read);
    entries_.insert(entries_.end(), waiting.begin(), waiting.end());
    if (owner_ >= 1)
        setOwner(ownerStays ? owner_ : find(ownerName, 1));
    else
        setOwner(empty ? -1 : 0);
}

void CandidateRoster::open() {
    readList();
    ownerLoaded_ = false;
    if (owner_ < 0)
        name_ = kNewCandidate;
}

bool CandidateRoster::takeSavedProgress(CandidateWork& work) {
    if (owner_ < 0)
        return true;
    if (static_cast<std::size_t>(owner_) >= onDisk_) {
        // A name not on disk has no saved progress; while the list cannot be read, a name's
        // place there is not known, and what it saved is taken once it is.
        ownerLoaded_ = listReadable_;
        return listReadable_;
    }
    const auto path = progressPath(work, owner_);
    const auto length = files::lengthCreatingIfMissing(path);
    if (!length)
        return false;
    if (*length > 0) {
        const auto lines = files::readLines(path);
        if (!lines)
            return false;
        work.takeLines(joinProgress(*lines, work.workLines(), work.progressQuestionCount()));
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
    if (ownerHasFile() ? name == name_ : owner_ >= 0 && find(name) == owner_) {
        name_ = name; // the owner chosen again keeps the work done since the last save
        return;
    }
    if (!ownerHasFile()) {
        nameWork(name, work);
        return;
    }
    // The owner's work is saved before another is chosen; work that cannot be saved stays, with
    // its candidate, and the name chosen does not join the list. Work without an answer keeps
    // nobody from going.
    const bool answers = holdsAnswers(work.workLines());
    if (!save(work, answers ? "Kandidat nije promenjen." : "") && answers)
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
            inTheWay_.push_back(path);
            free = false;
        }
    }
    return free;
}

bool CandidateRoster::writeList() {
    inTheWay_.clear();
    if (!listReadable_)
        return false;
    std::size_t upTo = onDisk_;
    while (upTo < entries_.size() && positionFree(upTo))
        ++upTo;
    const std::vector<std::string> lines(entries_.begin(),
                                         entries_.begin() + static_cast<std::ptrdiff_t>(upTo));
    if (!files::writeLines(listPath(), lines))
        return false;
    onDisk_ = upTo;
    return true;
}

bool CandidateRoster::save(CandidateWork& work, const std::string& consequence) {
    readList();
    bool named = false;
    if (!ownerHasFile()) {
        if (auto given = prompt(work)) {
            nameWork(*given, work);
            named = true;
        } else {
            name_ = kUnnamedCandidate;
        }
    }
    // Saved progress the work does not hold yet is joined to it, never written over.
    const bool joined = !ownerHasFile() || ownerLoaded_ || takeSavedProgress(work);
    std::vector<std::filesystem::path> failed;
    if (!writeList())
        failed.push_back(listPath());
    failed.insert(failed.end(), inTheWay_.begin(), inTheWay_.end());
    const auto blank = progressPath(work, 0);
    if (!files::writeLines(blank, templateLines(work.progressQuestionCount())))
        failed.push_back(blank);
    bool kept = true;
    if (ownerHasFile()) {
        const auto path = progressPath(work, owner_);
        kept = joined && static_cast<std::size_t>(owner_) < onDisk_ &&
               files::writeLines(path, work.workLines());
        if (!kept)
            failed.push_back(path);
    } else if (named && holdsAnswers(work.workLines())) {
        // The name given has no file of its own: the work's place would be the blank template.
        kept = false;
        if (std::find(failed.begin(), failed.end(), blank) == failed.end())
            failed.push_back(blank);
    }
    if (!failed.empty())
        work.reportUnsaved(failed, kept ? std::string() : consequence);
    return kept;
}

} // namespace kviz
