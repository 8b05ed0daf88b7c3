// File access of the trainer: read-only record files, line-oriented text files with CR LF line
// ends, folders, and saving by writing a temporary file and renaming it over the old one.
//
// Texts are kept as the bytes stored on disk (single-byte Windows-1250); NUL bytes survive.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace kviz::files {

// A file of fixed-length records, opened read-only. It is never created or written.
class RecordFile {
public:
    // Opens an existing file; false when it is missing or cannot be read.
    bool open(const std::filesystem::path& path, int recordLength);
    void close();
    bool isOpen() const { return stream_.is_open(); }
    int recordLength() const { return recordLength_; }

    // Record r, counted from 1. A record past the end of the file, or one that cannot be read,
    // reads as blanks; a record cut short by the end of the file is padded with blanks.
    std::string read(std::int64_t record);

    // Number of records the file holds, a last partial record included.
    std::int64_t recordCount() const;

private:
    std::ifstream stream_;
    int recordLength_ = 1;
    std::int64_t size_ = 0;
    std::int64_t position_ = -1; // where the stream stands, -1 when not known
};

// The largest text file that is read. A candidate list or a progress file holds far less: fifty
// thousand names of twenty letters, or a row for each of 32767 questions, stay within it. A
// larger file cannot be read: no more than this of it is read, and it is never written over.
inline constexpr std::uintmax_t kLargestTextFile = 1024 * 1024;

// All lines of a text file. In a file with any CR LF, only CR LF ends a line, so a lone LF or CR
// stays inside its line and the lines written back give the same bytes; a file without CR LF
// has its lines end with LF, or with CR when it has no LF either. A last line without an end
// counts too. Empty when the file is missing, cannot be read, or holds more than kLargestTextFile
// bytes.
std::optional<std::vector<std::string>> readLines(const std::filesystem::path& path);

// Why a text file could not be read or saved.
enum class Fault { None, TooLarge, NotAFile, NoFolder, NoRoom, NoAccess, Failed };

// Why something that stands at the path cannot be read as a text file: a folder or another
// thing that is no regular file, a file without read access, or one larger than
// kLargestTextFile. None when it can be read, or nothing stands there.
Fault readFault(const std::filesystem::path& path);
inline bool unreadable(const std::filesystem::path& path) { return readFault(path) != Fault::None; }

// What a save came to: true when the file was saved, else the fault.
struct Saved {
    Fault fault = Fault::None;
    explicit operator bool() const { return fault == Fault::None; }
};

// Writes every line followed by CR LF into a temporary file beside the target, forces it to the
// disk, renames it over the target and forces the folder to the disk, so the target is either
// the old file or the whole new one. The temporary file is created new under an unpredictable
// name, never through a link, and removed when the save fails. The new file keeps the old one's
// permissions. A target that exists but cannot be read is never replaced: the save fails. Once the
// new file is in place the save counts as done, even where the folder cannot be opened to force
// it (a folder that can be written but not read).
Saved writeLines(const std::filesystem::path& path, const std::vector<std::string>& lines);

// Creates a folder; an existing folder is no error. False when it does not exist afterwards.
bool createFolder(const std::filesystem::path& path);

// Length of a file in bytes, or empty when it cannot be had.
std::optional<std::uintmax_t> fileLength(const std::filesystem::path& path);

// Length of a file in bytes; a missing file is first created empty, never through a link. Empty
// when the file cannot be probed (a missing folder, no access, a link to nothing).
std::optional<std::uintmax_t> lengthCreatingIfMissing(const std::filesystem::path& path);

// A lock on a folder that this process holds until the object ends, and that the system drops
// when the process ends, however it ends. It is two locks, and the folder is held elsewhere
// while either is: one on the folder's path, the other on the folder itself. The path's lock
// holds whatever folder stands at the path: a folder moved or removed and made again under the
// path is still held. The folder's lock holds the folder whatever path reaches it: a link, a
// bind mount, or the path it was moved to. Where the folder cannot be opened or locked (no read
// access, a file system without locks) the path's lock alone decides. Neither writes anything
// or leaves anything behind. The path's lock is a socket in the system's abstract namespace,
// named after the path; the folder's lock is the system's lock on the opened folder. Where
// there are none (Windows), every lock is taken.
class FolderLock {
public:
    // Tries to take the lock on a folder's path and the one on the folder, without waiting.
    explicit FolderLock(const std::filesystem::path& folder);
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Another process, or another lock of this one, holds the folder's path or the folder.
    bool heldElsewhere() const { return heldElsewhere_; }

private:
    int descriptor_ = -1; // the path's lock
    int folder_ = -1;     // the folder's lock
    bool heldElsewhere_ = false;
};

} // namespace kviz::files
