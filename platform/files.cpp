#include "platform/files.h"

#include <cstdio>
#include <system_error>

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
    return true;
}

void RecordFile::close() {
    if (stream_.is_open())
        stream_.close();
    stream_.clear();
    size_ = 0;
}

std::string RecordFile::read(std::int64_t record) {
    std::string out(static_cast<std::size_t>(recordLength_), ' ');
    if (!stream_.is_open() || record < 1)
        return out;
    std::int64_t start = (record - 1) * recordLength_;
    if (start >= size_)
        return out;
    stream_.clear();
    stream_.seekg(start);
    stream_.read(out.data(), recordLength_);
    auto got = stream_.gcount();
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

bool writeLines(const fs::path& path, const std::vector<std::string>& lines) {
    fs::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out.is_open())
            return false;
        for (const auto& line : lines) {
            out.write(line.data(), static_cast<std::streamsize>(line.size()));
            out.write("\r\n", 2);
        }
        out.flush();
        if (!out.good()) {
            out.close();
            std::error_code ec;
            fs::remove(temporary, ec);
            return false;
        }
    }
    std::error_code ec;
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
