#include "platform/files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace kviz::files {
namespace {

using kviz::testing::readBytes;
using kviz::testing::TempFolder;
using kviz::testing::writeBytes;

TEST(RecordFile, ReadsRecordsAndBlanksPastTheEnd) {
    TempFolder dir;
    writeBytes(dir / "f.dat", "abcde12345xyz");
    RecordFile file;
    ASSERT_TRUE(file.open(dir / "f.dat", 5));
    EXPECT_EQ(file.read(1), "abcde");
    EXPECT_EQ(file.read(2), "12345");
    EXPECT_EQ(file.read(3), "xyz  "); // cut short by the end of the file
    EXPECT_EQ(file.read(4), "     ");
    EXPECT_EQ(file.read(0), "     ");
    EXPECT_EQ(file.recordCount(), 3);
    // Back and forth, and again after the end was reached.
    for (int record : {2, 1, 1, 3, 2})
        EXPECT_EQ(file.read(record), std::string("abcde12345xyz  ").substr((record - 1) * 5, 5));
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
    TempFolder dir;
    writeBytes(dir / "l.txt", "ANA\nPERA\rMIKA\r\nZIKA");
    auto lines = readLines(dir / "l.txt");
    ASSERT_TRUE(lines.has_value());
    EXPECT_EQ(*lines, (std::vector<std::string>{"ANA", "PERA", "MIKA", "ZIKA"}));
    EXPECT_FALSE(readLines(dir / "missing.txt").has_value());
}

TEST(TextFiles, FailedSaveKeepsTheOldFile) {
    TempFolder dir;
    ASSERT_TRUE(writeLines(dir / "k.ime", {"OLD"}));
    EXPECT_FALSE(writeLines(dir / "missing" / "k.ime", {"NEW"}));
    // A folder in the way of the temporary file makes the save fail before the rename.
    std::filesystem::create_directory(dir / "k.ime.tmp");
    EXPECT_FALSE(writeLines(dir / "k.ime", {"NEW"}));
    EXPECT_EQ(readBytes(dir / "k.ime"), "OLD\r\n");
}

TEST(TextFiles, ASaveKeepsPermissionsAndNeverReplacesWhatItCannotRead) {
    TempFolder dir;
    ASSERT_TRUE(writeLines(dir / "p.1", {"OLD"}));
    std::filesystem::permissions(dir / "p.1", std::filesystem::perms::owner_read |
                                                  std::filesystem::perms::owner_write);
    writeBytes(dir / "p.1.tmp", "left by a killed save");
    ASSERT_TRUE(writeLines(dir / "p.1", {"NEW"}));
    EXPECT_EQ(readBytes(dir / "p.1"), "NEW\r\n");
    EXPECT_EQ(std::filesystem::status(dir / "p.1").permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    EXPECT_FALSE(std::filesystem::exists(dir / "p.1.tmp"));
    // A folder in the target's place cannot be read, so it is not replaced.
    std::filesystem::create_directory(dir / "p.2");
    EXPECT_TRUE(unreadable(dir / "p.2"));
    EXPECT_FALSE(writeLines(dir / "p.2", {"NEW"}));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "p.2"));
    EXPECT_FALSE(unreadable(dir / "missing"));
}

TEST(Folders, CreateAndProbe) {
    TempFolder dir;
    EXPECT_TRUE(createFolder(dir / "A"));
    EXPECT_TRUE(createFolder(dir / "A")); // an existing folder is no error
    EXPECT_FALSE(createFolder(dir / "x" / "y"));
    auto size = probeFileSize(dir / "A" / "new.txt");
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(*size, 0u);
    EXPECT_TRUE(std::filesystem::exists(dir / "A" / "new.txt"));
    EXPECT_FALSE(probeFileSize(dir / "none" / "new.txt").has_value());
    writeBytes(dir / "A" / "four", "1234");
    EXPECT_EQ(fileLength(dir / "A" / "four"), 4u);
}

} // namespace
} // namespace kviz::files
