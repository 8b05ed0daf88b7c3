#include "bank_format.h"
#include "bank_source.h"
#include "bank_table.h"

#include <gtest/gtest.h>

#include <iterator>
#include <sstream>

using namespace bankgen;

namespace {

BankSource parse(const std::string& text) {
    std::istringstream in(text);
    return parseBankSource(in);
}

// Source line reported for a rejected source, or 0 if it was accepted.
int errorLine(const std::string& text, PictureStatements pictures = PictureStatements::Allowed) {
    try {
        std::istringstream in(text);
        parseBankSource(in, pictures);
    } catch (const BankError& error) {
        return error.line();
    }
    return 0;
}

} // namespace

TEST(BankSource, ReadsQuestionsAndPictures) {
    const auto source = parse("# komentar\n"
                              "picture 1\n"
                              "road north south\n"
                              "  car 1 south straight  \n"
                              "\n"
                              "question 1\n"
                              "|Pitanje\n"
                              "|\n"
                              "| a) prvi\n"
                              "  |*b) drugi\r\n"
                              "question 2\n"
                              "|Jos jedno\n");
    ASSERT_EQ(source.pictures.size(), 1u);
    EXPECT_EQ(source.pictures[0].number, 1);
    ASSERT_EQ(source.pictures[0].statements.size(), 2u);
    EXPECT_EQ(source.pictures[0].statements[1].line, 4);
    EXPECT_EQ(source.pictures[0].statements[1].words,
              (std::vector<std::string>{"car", "1", "south", "straight"}));

    ASSERT_EQ(source.questions.size(), 2u);
    // Everything after '|' is kept, leading blanks included; only the CR goes.
    EXPECT_EQ(source.questions[0].lines,
              (std::vector<std::string>{"Pitanje", "", " a) prvi", "*b) drugi"}));
    EXPECT_EQ(source.questions[0].lineNumbers, (std::vector<int>{7, 8, 9, 10}));
    EXPECT_EQ(source.questions[1].number, 2);
}

TEST(BankSource, RejectsStructuralMistakes) {
    EXPECT_EQ(errorLine("|bez pitanja\n"), 1);
    EXPECT_EQ(errorLine("question 2\n"), 1);
    EXPECT_EQ(errorLine("question 1\n|a\nquestion 1\n"), 3);
    EXPECT_EQ(errorLine("question one\n"), 1);
    EXPECT_EQ(errorLine("question 1 2\n"), 1);
    EXPECT_EQ(errorLine("picture 1\nroad north south\n|tekst\n"), 3);
    EXPECT_EQ(errorLine("question 1\n|tekst\nroad north south\n"), 3);
    EXPECT_EQ(errorLine("picture 3\npicture 3\n"), 2);
    EXPECT_EQ(errorLine("nesto\n"), 1);
}

TEST(BankSource, TextBankHasNoPictures) {
    const std::string questions = "# komentar\n"
                                  "question 1\n"
                                  "|Pitanje\n"
                                  "| a) prvi\n"
                                  "|*b) drugi\n";
    EXPECT_EQ(errorLine(questions, PictureStatements::Rejected), 0);
    EXPECT_EQ(errorLine(questions + "picture 1\nroad north south\n", PictureStatements::Rejected),
              6);
    EXPECT_EQ(errorLine("picture 1\n" + questions, PictureStatements::Rejected), 1);
    EXPECT_EQ(errorLine("picture 1\n" + questions, PictureStatements::Allowed), 0);
}

// Faults in a question are reported at the source line they are on.
TEST(BankSource, QuestionErrorsPointAtTheSourceLine) {
    const std::string text = "question 1\n"
                             "|Najveca dozvoljena brzina u naselju\n"
                             "|je *50* km/h.\n"
                             "\n"
                             "question 2\n"
                             "# komentar\n"
                             "|Prvi red\n"
                             "|drugi red sa *jednom zvezdicom\n";
    const Layout wide{73, 13};
    const auto failure = [&](const std::string& source, QuestionKind kind) {
        std::istringstream in(source);
        const BankSource parsed = parseBankSource(in, PictureStatements::Rejected);
        try {
            checkSourceQuestions(parsed, wide, kind);
        } catch (const BankError& error) {
            return std::to_string(error.line()) + " " + error.what();
        }
        return std::string("accepted");
    };

    EXPECT_EQ(failure(text, QuestionKind::Cloze).substr(0, 13), "8 question 2:");
    // Not a fault of one line: reported at the "question" keyword.
    EXPECT_EQ(failure("\nquestion 1\n|Bez odgovora\n|nigde\n", QuestionKind::Cloze).substr(0, 14),
              "2 question 1: ");
    // The same good question is no multiple-choice question.
    EXPECT_EQ(failure("question 1\n|Brzina u naselju\n|je *50* km/h.\n", QuestionKind::Cloze),
              "accepted");
    EXPECT_NE(failure("question 1\n|Brzina u naselju\n|je *50* km/h.\n", QuestionKind::Choice),
              "accepted");
}

// Each bank is where the trainer looks for its row of the catalogue; the pictures are drawn at
// the size the window shows them.
TEST(BankTable, OneBankPerTestWhereTheTrainerReadsIt) {
    struct Expected {
        kviz::TestId test;
        QuestionKind kind;
        PictureSize pictureSize;
        PictureSize secondSize;
    };
    const Expected expected[] = {
        {kviz::TestId::SituationPictures, QuestionKind::Choice, kStandardPicture, {}},
        {kviz::TestId::OfficerSignals, QuestionKind::Choice, kStandardPicture, {}},
        {kviz::TestId::SignPictures, QuestionKind::Choice, kStandardPicture, {}},
        {kviz::TestId::Junctions, QuestionKind::Order, {489, 257}, {}},
        {kviz::TestId::FifteenSigns, QuestionKind::Matching, {609, 157}, {609, 152}},
        {kviz::TestId::TheoryChoice, QuestionKind::Choice, {}, {}},
        {kviz::TestId::FirstAidChoice, QuestionKind::Choice, {}, {}},
        {kviz::TestId::TheoryTyped, QuestionKind::Cloze, {}, {}},
        {kviz::TestId::FirstAidTyped, QuestionKind::Cloze, {}, {}},
    };
    ASSERT_EQ(knownBanks().size(), std::size(expected));
    for (const auto& e : expected) {
        const BankInfo& bank = knownBanks()[static_cast<std::size_t>(e.test)];
        const kviz::TestDescriptor& row = kviz::catalogueRow(e.test);
        SCOPED_TRACE(row.testWord);
        EXPECT_EQ(bank.sourceFile, std::string(row.testWord) + ".txt");
        EXPECT_EQ(bankFilePath(bank),
                  std::string(row.testWord) + "/pitiodg/" + std::string(row.dataFile));
        EXPECT_EQ(pictureDirPath(bank), std::string(row.testWord) + "/JPGSLIKE");
        EXPECT_EQ(bank.layout.recordLength, row.recordLength);
        EXPECT_EQ(bank.layout.recordsPerQuestion, row.recordsPerQuestion);
        EXPECT_EQ(bank.kind, e.kind);
        EXPECT_EQ(bank.pictureSize, e.pictureSize);
        EXPECT_EQ(bank.secondSize, e.secondSize);
        EXPECT_EQ(pictureFileName(bank, 3), kviz::pictureFileName(row, 3));
        EXPECT_EQ(secondPictureFileName(bank, 3), kviz::secondPictureFileName(row, 3));
    }
}
