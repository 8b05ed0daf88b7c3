#include "platform/files.h"

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace kviz::files {

namespace fs = std::filesystem;

bool RecordFile::open(const fs::path& path, int recordLength) {
    close();
    recordLength_ = recordLength > 0 ? recordLength : 1;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return false;
    auto size = fs::file_size(path, ec);
    if (ec)
        return false;
    stream_.open(path, std::ios::binary | std::ios::in);
    if (!stream_.is_open())
        return false;
    size_ = static_cast<std::int64_t>(size);
    position_ = 0;
    return true;
}

void RecordFile::close() {
    if (stream_.is_open())
        stream_.close();
    stream_.clear();
    size_ = 0;
    position_ = -1;
}

std::string RecordFile::read(std::int64_t record) {
    std::string out(static_cast<std::size_t>(recordLength_), ' ');
    if (!stream_.is_open() || record < 1)
        return out;
    std::int64_t start = (record - 1) * recordLength_;
    if (start >= size_)
        return out;
    // The lines of a question follow one another in the file: the stream's own buffer serves
    // them, where a seek would drop it and read again.
    stream_.clear();
    if (start != position_)
        stream_.seekg(start);
    stream_.read(out.data(), recordLength_);
    auto got = stream_.gcount();
    position_ = got == recordLength_ ? start + got : -1;
    if (got < recordLength_)
        std::fill(out.begin() + got, out.end(), ' ');
    stream_.clear();
    return out;
}

std::int64_t RecordFile::recordCount() const { return (size_ + recordLength_ - 1) / recordLength_; }

std::optional<std::vector<std::string>> readLines(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open())
        return std::nullopt;
    // Read in pieces, up to one byte past the bound, which tells a file too large however it
    // grows while it is read.
    std::string data;
    char piece[64 * 1024];
    while (data.size() <= kLargestTextFile) {
        const std::size_t wanted = std::min(sizeof piece, kLargestTextFile + 1 - data.size());
        if (in.read(piece, static_cast<std::streamsize>(wanted)).gcount() <= 0)
            break;
        data.append(piece, static_cast<std::size_t>(in.gcount()));
    }
    if (in.bad() || data.size() > kLargestTextFile)
        return std::nullopt;
    // A file with CR LF anywhere is a CR LF file, where a lone LF or CR belongs to its line;
    // otherwise its lines end with LF, or with CR where it has no LF either.
    const std::string end = data.find("\r\n") != std::string::npos ? "\r\n"
                            : data.find('\n') != std::string::npos ? "\n"
                                                                   : "\r";
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = data.find(end, start)) != std::string::npos; start = at + end.size())
        lines.push_back(data.substr(start, at - start));
    if (start < data.size())
        lines.push_back(data.substr(start));
    return lines;
}

namespace {

// A name beside the target that no one can guess ahead of a save.
fs::path temporaryName(const fs::path& target) {
    std::random_device random;
    char suffix[32];
    std::snprintf(suffix, sizeof suffix, ".tmp-%08x%08x", random(), random());
    fs::path name = target;
    name += suffix;
    return name;
}

// The fault that a failed system call's error number stands for.
Fault faultOf(int error) {
    switch (error) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return Fault::NoRoom;
    case EACCES:
    case EPERM:
    case EROFS:
        return Fault::NoAccess;
    case EFBIG:
        return Fault::TooLarge;
    case EISDIR:
        return Fault::NotAFile;
    case ENOENT:
    case ENOTDIR:
        return Fault::NoFolder;
    default:
        return Fault::Failed;
    }
}

// Writes the whole text into a file it creates new under a fresh name beside the target, never
// through a link, and forces it to the disk. The file gets the permissions of the file it is to
// replace. Gives the file's name, or empty when nothing is left behind, with the fault.
std::optional<fs::path> writeTemporary(const fs::path& target, const std::string& text,
                                       const std::optional<fs::perms>& keep, Fault& fault) {
    fault = Fault::Failed;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const fs::path temporary = temporaryName(target);
#ifdef _WIN32
        (void)keep;
        std::FILE* out = ::_wfopen(temporary.c_str(), L"wbx");
        if (!out) {
            if (errno == EEXIST)
                continue;
            fault = faultOf(errno);
            return std::nullopt;
        }
        bool ok = std::fwrite(text.data(), 1, text.size(), out) == text.size();
        ok = std::fflush(out) == 0 && ::_commit(::_fileno(out)) == 0 && ok;
        const int error = errno;
        ok = std::fclose(out) == 0 && ok;
#else
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            fault = faultOf(errno);
            return std::nullopt;
        }
        bool ok = !keep || ::fchmod(fd, static_cast<mode_t>(*keep)) == 0;
        for (std::size_t done = 0; ok && done < text.size();) {
            const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            ok = n > 0;
            if (ok)
                done += static_cast<std::size_t>(n);
        }
        ok = ok && ::fsync(fd) == 0;
        const int error = errno;
        ok = ::close(fd) == 0 && ok;
#endif
        if (ok) {
            fault = Fault::None;
            return temporary;
        }
        fault = faultOf(error);
        std::error_code ec;
        fs::remove(temporary, ec);
        return std::nullopt;
    }
    return std::nullopt;
}

// Forces the folder's entries to the disk, so a name just renamed in survives a power cut, where
// the folder can be opened for it.
void syncFolder(const fs::path& folder) {
#ifdef _WIN32
    (void)folder;
#else
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
#endif
}

} // namespace

Fault readFault(const fs::path& path) {
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found)
        return Fault::None;
    if (ec)
        return faultOf(ec.value());
    if (status.type() != fs::file_type::regular)
        return Fault::NotAFile;
    const auto length = fileLength(path);
    if (!length)
        return Fault::Failed;
    if (*length > kLargestTextFile)
        return Fault::TooLarge;
    std::ifstream in(path, std::ios::binary);
    return in.is_open() ? Fault::None : Fault::NoAccess;
}

Saved writeLines(const fs::path& path, const std::vector<std::string>& lines) {
    if (const Fault fault = readFault(path); fault != Fault::None)
        return {fault}; // what cannot be read is kept, not replaced unseen
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    std::error_code ec;
    std::optional<fs::perms> keep;
    if (fs::exists(path, ec))
        keep = fs::status(path, ec).permissions();
    Fault fault = Fault::None;
    const auto temporary = writeTemporary(path, text, keep, fault);
    if (!temporary)
        return {fault};
    fs::rename(*temporary, path, ec);
    if (ec) {
        fault = faultOf(ec.value());
        fs::remove(*temporary, ec);
        return {fault};
    }
    // The new file is in place, whether or not the folder can be forced to the disk.
    syncFolder(path.parent_path());
    return {};
}

bool createFolder(const fs::path& path) {
    std::error_code ec;
    fs::create_directory(path, ec);
    return fs::is_directory(path, ec);
}

std::optional<std::uintmax_t> fileLength(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return std::nullopt;
    auto size = fs::file_size(path, ec);
    if (ec)
        return std::nullopt;
    return size;
}

std::optional<std::uintmax_t> lengthCreatingIfMissing(const fs::path& path) {
    // Created new and never through a link. When that fails, the file already stands there, or
    // it cannot be had, which its length tells.
#ifdef _WIN32
    if (std::FILE* create = ::_wfopen(path.c_str(), L"wbx"))
        std::fclose(create);
#else
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0)
        ::close(fd);
#endif
    return fileLength(path);
}

#ifdef _WIN32
FolderLock::FolderLock(const fs::path&) {}
FolderLock::~FolderLock() {}
#else
namespace {

// The lock's name: the folder's absolute path, its links resolved as far as it exists, hashed
// (64-bit FNV-1a) so that a path of any length gives a name that fits.
std::string lockName(const fs::path& folder) {
    std::error_code ec;
    fs::path path = fs::weakly_canonical(fs::absolute(folder, ec), ec);
    if (ec)
        path = folder;
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : path.native())
        hash = (hash ^ c) * 1099511628211ull;
    char name[32];
    std::snprintf(name, sizeof name, "kvizomat-%016llx", static_cast<unsigned long long>(hash));
    return name;
}

} // namespace

FolderLock::FolderLock(const fs::path& folder) {
    // The path's lock is taken first, and by every copy in the same order, so of two copies that
    // start together on one folder one always starts.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd >= 0) {
        // A name that begins with a NUL byte lies in the abstract namespace: no file, and the
        // system drops the name with the last descriptor of the socket.
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::string name = lockName(folder);
        std::memcpy(address.sun_path + 1, name.data(), name.size());
        const auto length =
            static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
        if (::bind(fd, reinterpret_cast<const sockaddr*>(&address), length) == 0) {
            descriptor_ = fd;
        } else {
            heldElsewhere_ = errno == EADDRINUSE;
            ::close(fd);
        }
    }
    if (heldElsewhere_)
        return;
    // The folder's own lock, on the folder the path reaches now. Each lock opens the folder
    // anew, so a second lock of this process is refused as another process's is. A folder that
    // cannot be opened or locked leaves the path's lock alone to decide.
    folder_ = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder_ < 0 || ::flock(folder_, LOCK_EX | LOCK_NB) == 0)
        return;
    heldElsewhere_ = errno == EWOULDBLOCK;
    ::close(folder_);
    folder_ = -1;
}

FolderLock::~FolderLock() {
    if (folder_ >= 0)
        ::close(folder_);
    if (descriptor_ >= 0)
        ::close(descriptor_);
}
#endif

} // namespace kviz::files
