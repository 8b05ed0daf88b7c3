#include "platform/files.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
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
    std::string data;
    char buffer[4096];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0)
        data.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (in.bad())
        return std::nullopt;
    std::vector<std::string> lines;
    std::string line;
    for (std::size_t i = 0; i < data.size(); ++i) {
        char c = data[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            if (c == '\r' && i + 1 < data.size() && data[i + 1] == '\n')
                ++i;
        } else {
            line.push_back(c);
        }
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}

namespace {

// Writes the whole text into a new temporary file and forces it to the disk. The file gets the
// permissions of the file it is to replace.
bool writeDurably(const fs::path& temporary, const std::string& text,
                  const std::optional<fs::perms>& keep) {
#ifdef _WIN32
    (void)keep;
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.close();
    return !out.fail();
#else
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
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
    return ::close(fd) == 0 && ok;
#endif
}

} // namespace

bool unreadable(const fs::path& path) {
    std::error_code ec;
    const auto status = fs::status(path, ec);
    if (status.type() == fs::file_type::not_found)
        return false;
    if (ec || status.type() != fs::file_type::regular)
        return true;
    std::ifstream in(path, std::ios::binary);
    return !in.is_open();
}

bool writeLines(const fs::path& path, const std::vector<std::string>& lines) {
    if (unreadable(path))
        return false; // what cannot be read is kept, not replaced unseen
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    std::error_code ec;
    std::optional<fs::perms> keep;
    if (fs::exists(path, ec))
        keep = fs::status(path, ec).permissions();
    fs::path temporary = path;
    temporary += ".tmp";
    if (!writeDurably(temporary, text, keep)) {
        fs::remove(temporary, ec);
        return false;
    }
    fs::rename(temporary, path, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return false;
    }
    return true;
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

std::optional<std::uintmax_t> probeFileSize(const fs::path& path) {
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        std::ofstream create(path, std::ios::binary | std::ios::app);
        if (!create.is_open())
            return std::nullopt;
    }
    return fileLength(path);
}

} // namespace kviz::files
