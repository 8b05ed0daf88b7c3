#include "core/question_file.h"
#include "tests/support/bank.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace kviz {
namespace {

using testing::choiceBank;
using testing::record;
using testing::TempFolder;
using testing::writeBytes;

TEST(QuestionCount, FromTheHeaderRecord) {
    struct Case {
        const char* name;
        const char* header;
        int held;
        int expected;
    };
    const Case cases[] = {
        {"blanks then digits", "  360   ", 400, 360},
        {"digits then a word", "360 pitanja", 400, 360},
        {"half rounds to even down", "12.5", 400, 12},
        {"half rounds to even up", "13.5", 400, 14},
        {"all blank", "     ", 400, 0},
        {"above what the file holds", "500", 20, 20},
        {"beyond 16 bits", "40000", 20, 20},
        {"negative", "-5", 20, 20},
        {"empty file", "12", 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(questionCountFromHeader(c.header, c.held), c.expected) << c.name;
}

TEST(QuestionFile, LinesOfAQuestionAtTheirRecords) {
    TempFolder dir;
    std::vector<std::vector<std::string>> questions;
    for (int q = 1; q <= 3; ++q) {
        std::vector<std::string> lines;
        for (int i = 1; i <= 16; ++i)
            lines.push_back("q" + std::to_string(q) + "l" + std::to_string(i));
        questions.push_back(lines);
    }
    writeBytes(dir / "b.pit", choiceBank("3", questions));
    QuestionFile file;
    ASSERT_TRUE(file.open(dir / "b.pit", 33, 16));
    EXPECT_EQ(file.questionsHeld(), 3);
    EXPECT_EQ(file.questionCount(), 3);
    EXPECT_EQ(file.line(1, 1), record("q1l1", 33));
    // The last line of question 2 is record 34, at byte 33 * 33.
    EXPECT_EQ(file.line(2, 16), record("q2l16", 33));
    EXPECT_EQ(file.line(4, 1), std::string(33, ' ')); // past the end
}

TEST(QuestionFile, MissingFileHoldsNoQuestion) {
    TempFolder dir;
    QuestionFile file;
    EXPECT_FALSE(file.open(dir / "none.pit", 33, 16));
    EXPECT_EQ(file.questionCount(), 0);
    EXPECT_FALSE(std::filesystem::exists(dir / "none.pit"));
}

TEST(QuestionFile, APartialLastQuestionCounts) {
    TempFolder dir;
    std::string bytes = choiceBank("9", {{"Pitanje", " a) da", "*b) ne"}});
    bytes += record("Drugo pitanje", 33); // one record of question 2
    writeBytes(dir / "p.pit", bytes);
    QuestionFile file;
    ASSERT_TRUE(file.open(dir / "p.pit", 33, 16));
    EXPECT_EQ(file.questionCount(), 2);
}

TEST(ChoiceLine, MarkersAndTheCorrectLetter) {
    ChoiceLine plain = analyseChoiceLine(" a) vozilo broj 1");
    EXPECT_TRUE(plain.marks[0]);
    EXPECT_FALSE(plain.marks[1]);
    EXPECT_EQ(plain.correctLetter, 0);

    ChoiceLine starred = analyseChoiceLine("*c) pesak");
    EXPECT_TRUE(starred.marks[2]);
    EXPECT_EQ(starred.correctLetter, 'c');
    EXPECT_EQ(starred.shown, " c) pesak");

    ChoiceLine capital = analyseChoiceLine(" A) nije oznaka");
    EXPECT_FALSE(capital.marks[0]);

    // Several markers on the starred line: the latest letter wins.
    ChoiceLine both = analyseChoiceLine("*a) x  b) y");
    EXPECT_TRUE(both.marks[0]);
    EXPECT_TRUE(both.marks[1]);
    EXPECT_EQ(both.correctLetter, 'b');

    // Only the first "*" is replaced.
    ChoiceLine two = analyseChoiceLine("*d) 2*3");
    EXPECT_EQ(two.shown, " d) 2*3");
    EXPECT_EQ(two.correctLetter, 'd');
}

TEST(ChoiceLine, BlankLines) {
    EXPECT_TRUE(isBlankLine(std::string(33, ' ')));
    EXPECT_FALSE(isBlankLine(record("x", 33)));
}

} // namespace
} // namespace kviz
