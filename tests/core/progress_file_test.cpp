#include "core/progress_file.h"
#include "platform/files.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace kviz {
namespace {

using testing::readBytes;
using testing::TempFolder;
using testing::writeBytes;

std::vector<std::string> fileLines(int last, int answered, int correct,
                                   const std::vector<char>& letters,
                                   const std::vector<char>& results) {
    auto lines = progressHeader(last, answered, correct);
    for (auto& row : choiceRows(letters, results))
        lines.push_back(row);
    return lines;
}

TEST(ProgressFile, WorkedExampleByteForByte) {
    // Three questions; on question 2 with one right answer b to question 1.
    TempFolder dir;
    std::vector<char> letters = {0, 'b', 0, 0};
    std::vector<char> results = {0, 'T', 0, 0};
    ASSERT_TRUE(files::writeLines(dir / progressFileName(2), fileLines(2, 1, 1, letters, results)));
    EXPECT_EQ(readBytes(dir / "BrZadPit.2"),
              std::string("2 Broj zadnjeg pitanja\r\n1 Ukupno odgovora\r\n1 Tacnih odgovora\r\n"
                          "bT\r\n\0\0\r\n\0\0\r\n",
                          74));
    ASSERT_TRUE(files::writeLines(dir / progressFileName(0), templateLines(3)));
    EXPECT_EQ(readBytes(dir / "BrZadPit.0"),
              "1 Broj zadnjeg pitanja\r\n0 Ukupno odgovora\r\n0 Tacnih odgovora\r\n\r\n\r\n\r\n");
    EXPECT_EQ(progressFileName(10), "BrZadPit.10");
}

TEST(ProgressFile, RoundTripKeepsEveryRowState) {
    TempFolder dir;
    // Answered right and wrong, never answered, and cleared by Reset.
    std::vector<char> letters = {0, 'a', 'd', 0, ' '};
    std::vector<char> results = {0, 'T', 'N', 0, ' '};
    auto written = fileLines(4, 2, 1, letters, results);
    ASSERT_TRUE(files::writeLines(dir / "BrZadPit.1", written));
    std::string bytes = readBytes(dir / "BrZadPit.1");
    auto lines = files::readLines(dir / "BrZadPit.1");
    ASSERT_TRUE(lines.has_value());
    auto header = parseProgressHeader(*lines, 4);
    EXPECT_EQ(header.lastQuestion, 4);
    EXPECT_EQ(header.answered, 2);
    EXPECT_EQ(header.correct, 1);
    auto rows = progressRows(*lines, 4);
    ASSERT_EQ(rows.size(), 4u);
    std::vector<char> readLetters = {0}, readResults = {0};
    for (const auto& row : rows) {
        auto [l, r] = readChoiceRow(row);
        readLetters.push_back(l);
        readResults.push_back(r);
    }
    EXPECT_EQ(readLetters, letters);
    EXPECT_EQ(readResults, results);
    // Written again, the file is the same to the byte.
    ASSERT_TRUE(files::writeLines(dir / "again", fileLines(4, 2, 1, readLetters, readResults)));
    EXPECT_EQ(readBytes(dir / "again"), bytes);
}

TEST(ProgressFile, TemplateRowsReadAsBlanks) {
    auto rows = progressRows(templateLines(2), 2);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(readChoiceRow(rows[0]), std::make_pair(' ', ' '));
}

TEST(ProgressFile, RowsReadDefensively) {
    struct Case {
        const char* name;
        std::string row;
        char letter, result;
    };
    const Case cases[] = {
        {"right", "bT", 'b', 'T'},
        {"wrong", "dN", 'd', 'N'},
        {"empty", "", ' ', ' '},
        {"blanks", "  ", ' ', ' '},
        {"one blank", " ", ' ', ' '},
        {"NULs", std::string(2, '\0'), '\0', '\0'},
        {"one NUL", std::string(1, '\0'), '\0', '\0'},
        {"capital letter", "BT", '\0', '\0'},
        {"unknown result", "bX", '\0', '\0'},
        {"letter beyond d", "eT", '\0', '\0'},
        {"garbage", "xyz", '\0', '\0'},
        {"a letter alone", "b", '\0', '\0'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(readChoiceRow(c.row), std::make_pair(c.letter, c.result)) << c.name;
}

TEST(ProgressFile, HeaderReadDefensively) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        int last, answered, correct;
    };
    const Case cases[] = {
        {"as written",
         {"3 Broj zadnjeg pitanja", "4 Ukupno odgovora", "2 Tacnih odgovora"},
         3,
         4,
         2},
        {"question beyond N", {"99 B", "1 U", "1 T"}, 1, 1, 1},
        {"question 0", {"0 B", "1 U", "1 T"}, 1, 1, 1},
        {"no number", {"Broj", "x", "y"}, 1, 0, 0},
        {"counts beyond N", {"2", "50", "40"}, 2, 10, 10},
        {"negative counts", {"2", "-4", "-1"}, 2, 0, 0},
        {"more correct than answered", {"2", "3", "7"}, 2, 3, 3},
        {"beyond 32 bits", {"2", "99999999999", "1"}, 2, 0, 0},
    };
    for (const auto& c : cases) {
        auto header = parseProgressHeader(c.lines, 10);
        EXPECT_EQ(header.lastQuestion, c.last) << c.name;
        EXPECT_EQ(header.answered, c.answered) << c.name;
        EXPECT_EQ(header.correct, c.correct) << c.name;
    }
}

TEST(ProgressFile, ShortAndLongFiles) {
    std::vector<std::string> shortFile = {"2 B", "1 U"};
    auto header = parseProgressHeader(shortFile, 5);
    EXPECT_EQ(header.lastQuestion, 2);
    EXPECT_EQ(header.answered, 1);
    EXPECT_FALSE(header.correct.has_value());
    EXPECT_TRUE(progressRows(shortFile, 5).empty());
    EXPECT_TRUE(parseProgressHeader({}, 5).lastQuestion == std::nullopt);

    std::vector<std::string> longFile = {"1", "0", "0", "aT", "bN", "cT", "dN"};
    EXPECT_EQ(progressRows(longFile, 2), (std::vector<std::string>{"aT", "bN"}));
}

// A file that nobody on the list owns goes to the first free ".bak" name, however many are
// taken; an empty file, or none, stays.
TEST(ProgressFile, AFileSetAsideTakesTheFirstFreeName) {
    TempFolder dir;
    const auto file = dir / "BrZadPit.1";
    for (int n = 1; n < 1000; ++n)
        writeBytes(dir / ("BrZadPit.1.bak" + (n == 1 ? "" : std::to_string(n))), "x");
    writeBytes(file, "");
    EXPECT_TRUE(setAsideProgressFile(file));
    EXPECT_TRUE(std::filesystem::exists(file));
    writeBytes(file, "1 Broj zadnjeg pitanja\r\n");
    EXPECT_TRUE(setAsideProgressFile(file));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_EQ(readBytes(dir / "BrZadPit.1.bak1000"), "1 Broj zadnjeg pitanja\r\n");
}

} // namespace
} // namespace kviz
