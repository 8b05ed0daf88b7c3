#include "platform/files.h"
#include "tests/support/temp_folder.h"

#include <algorithm>
#include <csignal>
#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

namespace kviz::files {
namespace {

// The calls that make a save durable, in order, while a test records them.
std::vector<std::string>* durableCalls = nullptr;

} // namespace
} // namespace kviz::files

extern "C" int fsync(int fd) {
    static const auto next = reinterpret_cast<int (*)(int)>(dlsym(RTLD_NEXT, "fsync"));
    if (kviz::files::durableCalls != nullptr)
        kviz::files::durableCalls->push_back("fsync");
    return next(fd);
}

extern "C" int rename(const char* from, const char* to) noexcept {
    static const auto next =
        reinterpret_cast<int (*)(const char*, const char*)>(dlsym(RTLD_NEXT, "rename"));
    if (kviz::files::durableCalls != nullptr)
        kviz::files::durableCalls->push_back("rename");
    return next(from, to);
}

namespace kviz::files {
namespace {

using kviz::testing::readBytes;
using kviz::testing::TempFolder;
using kviz::testing::writeBytes;

// The names in a folder, sorted.
std::vector<std::string> names(const TempFolder& dir) {
    std::vector<std::string> out;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        out.push_back(entry.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

TEST(RecordFile, ReadsRecordsAndBlanksPastTheEnd) {
    TempFolder dir;
    writeBytes(dir / "f.dat", "abcde12345xyz");
    RecordFile file;
    ASSERT_TRUE(file.open(dir / "f.dat", 5));
    // The third is cut short by the end of the file. In order, past the end, then back and forth.
    const std::string records[] = {"     ", "abcde", "12345", "xyz  ", "     "};
    for (int record : {1, 2, 3, 4, 0, 2, 1, 1, 3, 2})
        EXPECT_EQ(file.read(record), records[record]) << record;
    EXPECT_EQ(file.recordCount(), 3);
    writeBytes(dir / "g.dat", "ABCDEFGHIJ");
    ASSERT_TRUE(file.open(dir / "g.dat", 5));
    EXPECT_EQ(file.read(1), "ABCDE");
}

TEST(RecordFile, NeverCreatesAFile) {
    TempFolder dir;
    RecordFile file;
    EXPECT_FALSE(file.open(dir / "missing.pit", 33));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing.pit"));
    EXPECT_FALSE(file.open(dir / "no" / "folder.pit", 33));
    EXPECT_FALSE(std::filesystem::exists(dir / "no"));
    EXPECT_EQ(file.read(1), std::string(33, ' '));
}

TEST(TextFiles, LinesKeepNulAndEndWithCrLf) {
    TempFolder dir;
    std::string nulRow("\0\0", 2);
    ASSERT_TRUE(writeLines(dir / "p.txt", {"1 Broj", nulRow, "", "bT"}));
    EXPECT_EQ(readBytes(dir / "p.txt"), std::string("1 Broj\r\n\0\0\r\n\r\nbT\r\n", 18));
    auto lines = readLines(dir / "p.txt");
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, (std::vector<std::string>{"1 Broj", nulRow, "", "bT"}));
}

TEST(TextFiles, ReadsOtherLineEndsAndALastLineWithoutEnd) {
    struct Row {
        const char* name;
        std::string bytes;
        std::vector<std::string> lines;
        bool sameWhenWrittenBack;
    };
    const Row rows[] = {
        {"crlf keeps a lone lf and cr inside its line",
         "NOVI KANDIDAT\r\nANA\nX\r\nPERA\r\n",
         {"NOVI KANDIDAT", "ANA\nX", "PERA"},
         true},
        {"crlf anywhere makes a crlf file",
         "ANA\nPERA\rMIKA\r\nZIKA",
         {"ANA\nPERA\rMIKA", "ZIKA"},
         false},
        {"crlf with an empty last line", "A\r\n\r\n", {"A", ""}, true},
        {"lf alone, a lone cr inside",
         "ANA\rX\nPERA\n\nZIKA",
         {"ANA\rX", "PERA", "", "ZIKA"},
         false},
        {"cr alone", "ANA\rPERA\r", {"ANA", "PERA"}, false},
        {"empty", "", {}, true},
    };
    TempFolder dir;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        writeBytes(dir / "l.txt", row.bytes);
        auto lines = readLines(dir / "l.txt");
        ASSERT_TRUE(lines.has_value());
        EXPECT_EQ(*lines, row.lines);
        if (row.sameWhenWrittenBack) {
            ASSERT_TRUE(writeLines(dir / "l.txt", *lines));
            EXPECT_EQ(readBytes(dir / "l.txt"), row.bytes);
        }
    }
    EXPECT_FALSE(readLines(dir / "missing.txt").has_value());
}

TEST(TextFiles, FailedSaveKeepsTheOldFile) {
    TempFolder dir;
    ASSERT_TRUE(writeLines(dir / "k.ime", {"OLD"}));
    EXPECT_FALSE(writeLines(dir / "missing" / "k.ime", {"NEW"}));
    {
        // A file size limit makes the write of the new file fail halfway.
        const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = 3;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        EXPECT_FALSE(writeLines(dir / "k.ime", {"NEW"}));
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldSignal);
    }
    EXPECT_EQ(readBytes(dir / "k.ime"), "OLD\r\n");
    EXPECT_EQ(names(dir), std::vector<std::string>{"k.ime"}); // no temporary file is left
}

TEST(TextFiles, ASaveKeepsPermissionsAndNeverReplacesWhatItCannotRead) {
    namespace fs = std::filesystem;
    TempFolder dir;
    TempFolder outside;
    ASSERT_TRUE(writeLines(dir / "p.1", {"OLD"}));
    fs::permissions(dir / "p.1", fs::perms::owner_read | fs::perms::owner_write);
    // A link planted at the old temporary name is neither followed nor touched.
    writeBytes(outside / "f", "OUTSIDE");
    fs::permissions(outside / "f", fs::perms::owner_read);
    fs::create_symlink(outside / "f", dir / "p.1.tmp");
    ASSERT_TRUE(writeLines(dir / "p.1", {"NEW"}));
    EXPECT_EQ(readBytes(dir / "p.1"), "NEW\r\n");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir / "p.1")));
    EXPECT_EQ(fs::status(dir / "p.1").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(readBytes(outside / "f"), "OUTSIDE");
    EXPECT_EQ(fs::status(outside / "f").permissions(), fs::perms::owner_read);
    EXPECT_TRUE(fs::is_symlink(fs::symlink_status(dir / "p.1.tmp")));
    EXPECT_EQ(names(dir), (std::vector<std::string>{"p.1", "p.1.tmp"}));
    // A folder in the target's place cannot be read, so it is not replaced.
    fs::create_directory(dir / "p.2");
    EXPECT_TRUE(unreadable(dir / "p.2"));
    EXPECT_EQ(writeLines(dir / "p.2", {"NEW"}).fault, Fault::NotAFile);
    EXPECT_TRUE(fs::is_directory(dir / "p.2"));
    EXPECT_FALSE(unreadable(dir / "missing"));
    // Nor is a file that its permissions keep from being read, in a folder open to all. The
    // files are opened as an ordinary user would, where the test runs with every right.
    writeBytes(dir / "p.3", "ANA");
    fs::permissions(dir.path(), fs::perms::all);
    fs::permissions(dir / "p.3", fs::perms::owner_write);
    const bool privileged = ::geteuid() == 0;
    if (privileged)
        ::setfsuid(65534);
    EXPECT_TRUE(unreadable(dir / "p.3"));
    EXPECT_EQ(writeLines(dir / "p.3", {"NEW"}).fault, Fault::NoAccess);
    if (privileged)
        ::setfsuid(0);
    fs::permissions(dir / "p.3", fs::perms::owner_read);
    EXPECT_EQ(readBytes(dir / "p.3"), "ANA");
    // Nor is a file larger than any list or progress file; one of just that size is read.
    writeBytes(dir / "p.4", "ANA\r\n");
    fs::resize_file(dir / "p.4", kLargestTextFile + 1);
    EXPECT_TRUE(unreadable(dir / "p.4"));
    EXPECT_FALSE(readLines(dir / "p.4").has_value());
    EXPECT_EQ(writeLines(dir / "p.4", {"NEW"}).fault, Fault::TooLarge);
    fs::resize_file(dir / "p.4", kLargestTextFile);
    EXPECT_EQ(readLines(dir / "p.4").value_or(std::vector<std::string>{"none"})[0], "ANA");
}

TEST(TextFiles, ASaveForcesTheFileToTheDiskBeforeTheRenameAndTheFolderAfterIt) {
    TempFolder dir;
    std::vector<std::string> calls;
    durableCalls = &calls;
    const bool saved = static_cast<bool>(writeLines(dir / "p.1", {"NEW"}));
    durableCalls = nullptr;
    EXPECT_TRUE(saved);
    EXPECT_EQ(calls, (std::vector<std::string>{"fsync", "rename", "fsync"}));
    // A folder that can be written but not read cannot be forced: the file renamed in is saved.
    std::filesystem::permissions(dir.path(), static_cast<std::filesystem::perms>(0333));
    const bool privileged = ::geteuid() == 0;
    if (privileged)
        ::setfsuid(65534);
    EXPECT_TRUE(writeLines(dir / "p.2", {"NEW"}));
    if (privileged)
        ::setfsuid(0);
    EXPECT_EQ(readBytes(dir / "p.2"), "NEW\r\n");
}

TEST(Folders, CreateAndProbe) {
    TempFolder dir;
    EXPECT_TRUE(createFolder(dir / "A"));
    EXPECT_TRUE(createFolder(dir / "A")); // an existing folder is no error
    EXPECT_FALSE(createFolder(dir / "x" / "y"));
    auto size = lengthCreatingIfMissing(dir / "A" / "new.txt");
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(*size, 0u);
    EXPECT_TRUE(std::filesystem::exists(dir / "A" / "new.txt"));
    EXPECT_FALSE(lengthCreatingIfMissing(dir / "none" / "new.txt").has_value());
    // A link to nothing is not followed: nothing is created where it points.
    TempFolder outside;
    std::filesystem::create_symlink(outside / "made", dir / "A" / "link");
    EXPECT_FALSE(lengthCreatingIfMissing(dir / "A" / "link").has_value());
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(outside / "made")));
    writeBytes(dir / "A" / "four", "1234");
    EXPECT_EQ(fileLength(dir / "A" / "four"), 4u);
}

} // namespace
} // namespace kviz::files
