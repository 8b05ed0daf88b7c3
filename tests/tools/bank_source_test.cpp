#include "bank_format.h"
#include "bank_source.h"
#include "bank_table.h"

#include <gtest/gtest.h>

#include <set>
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

const BankInfo* findBank(std::string_view word) {
    for (const auto& bank : knownBanks())
        if (bank.word == word)
            return &bank;
    return nullptr;
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

TEST(BankTable, PictureNumbers) {
    EXPECT_EQ(pictureForQuestion(PictureRule::PerPair, 1), 1);
    EXPECT_EQ(pictureForQuestion(PictureRule::PerPair, 2), 1);
    EXPECT_EQ(pictureForQuestion(PictureRule::PerPair, 3), 3);
    EXPECT_EQ(pictureForQuestion(PictureRule::PerPair, 20), 19);
    EXPECT_EQ(pictureForQuestion(PictureRule::PerQuestion, 1), 1);
    EXPECT_EQ(pictureForQuestion(PictureRule::PerQuestion, 12), 12);
    EXPECT_EQ(pictureForQuestion(PictureRule::None, 5), 0);
}

// The names below are where the trainer looks for each bank.
TEST(BankTable, NamesLayoutsAndPictureFiles) {
    struct Expected {
        const char* word;
        PictureRule rule;
        const char* firstPicture;
        const char* picture12; // picture shown with question 12
    };
    const Expected expected[] = {
        {"ssitabcd", PictureRule::PerPair, "1ssit.JPG", "11ssit.JPG"},
        {"znovlica", PictureRule::PerQuestion, "1zovl.JPG", "12zovl.JPG"},
        {"slsaobzn", PictureRule::PerQuestion, "1sszn.JPG", "12sszn.JPG"},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.word);
        const BankInfo* bank = findBank(e.word);
        ASSERT_NE(bank, nullptr);
        EXPECT_EQ(bank->layout.recordLength, 33);
        EXPECT_EQ(bank->layout.recordsPerQuestion, 16);
        EXPECT_EQ(bank->pictures, e.rule);
        EXPECT_EQ(bankFilePath(*bank), std::string(e.word) + "/pitiodg/" + e.word + ".pit");
        EXPECT_EQ(pictureDirPath(*bank), std::string(e.word) + "/JPGSLIKE");
        EXPECT_EQ(pictureFileName(*bank, 1), e.firstPicture);
        EXPECT_EQ(pictureFileName(*bank, pictureForQuestion(bank->pictures, 12)), e.picture12);
    }
}

TEST(BankTable, TextBanks) {
    for (const char* word : {"suvaabcd", "ppomabcd"}) {
        SCOPED_TRACE(word);
        const BankInfo* bank = findBank(word);
        ASSERT_NE(bank, nullptr);
        EXPECT_EQ(bank->sourceFile, std::string(word) + ".txt");
        EXPECT_EQ(bank->layout.recordLength, 73);
        EXPECT_EQ(bank->layout.recordsPerQuestion, 13);
        EXPECT_EQ(bank->pictures, PictureRule::None);
        EXPECT_EQ(bankFilePath(*bank), std::string(word) + "/pitiodg/" + word + ".pit");
    }
    EXPECT_EQ(knownBanks().size(), 9u);
}

TEST(BankTable, OnlyTheTypedAnswerBanksAreCloze) {
    const std::set<std::string_view> cloze{"suvaodg", "ppomodg"};
    for (const auto& bank : knownBanks()) {
        SCOPED_TRACE(bank.word);
        if (!cloze.count(bank.word)) {
            const auto expected = bank.word == "raskrsn"    ? QuestionKind::Order
                                  : bank.word == "saobzn15" ? QuestionKind::Matching
                                                            : QuestionKind::Choice;
            EXPECT_EQ(bank.kind, expected);
            continue;
        }
        EXPECT_EQ(bank.kind, QuestionKind::Cloze);
        EXPECT_EQ(bank.sourceFile, std::string(bank.word) + ".txt");
        EXPECT_EQ(bank.layout.recordLength, 73);
        EXPECT_EQ(bank.layout.recordsPerQuestion, 13);
        EXPECT_EQ(bank.pictures, PictureRule::None);
        EXPECT_EQ(bankFilePath(bank),
                  std::string(bank.word) + "/pitiodg/" + std::string(bank.word) + ".pit");
    }
}

// The junction bank keeps only answer keys, one digit a record, and has larger pictures.
TEST(BankTable, JunctionBank) {
    const BankInfo* bank = findBank("raskrsn");
    ASSERT_NE(bank, nullptr);
    EXPECT_EQ(bank->sourceFile, "raskrsn.txt");
    EXPECT_EQ(bank->kind, QuestionKind::Order);
    EXPECT_EQ(bank->layout.recordLength, 5);
    EXPECT_EQ(bank->layout.recordsPerQuestion, 8);
    EXPECT_EQ(bank->pictures, PictureRule::PerQuestion);
    EXPECT_EQ(bankFilePath(*bank), "raskrsn/pitiodg/raskrsn.odg");
    EXPECT_EQ(pictureDirPath(*bank), "raskrsn/JPGSLIKE");
    EXPECT_EQ(pictureFileName(*bank, pictureForQuestion(bank->pictures, 1)), "1rask.JPG");
    EXPECT_EQ(pictureFileName(*bank, pictureForQuestion(bank->pictures, 12)), "12rask.JPG");
    EXPECT_EQ(bank->pictureSize, (PictureSize{489, 257}));
}

// The fifteen-signs bank keeps answer keys only and shows two pictures with each task.
TEST(BankTable, FifteenSignsBank) {
    const BankInfo* bank = findBank("saobzn15");
    ASSERT_NE(bank, nullptr);
    EXPECT_EQ(bank->layout.recordLength, 5);
    EXPECT_EQ(bank->layout.recordsPerQuestion, 20);
    EXPECT_EQ(bankFilePath(*bank), "saobzn15/pitiodg/saobzn15.odg");
    EXPECT_EQ(pictureFileName(*bank, pictureForQuestion(bank->pictures, 3)), "3sz15.JPG");
    EXPECT_EQ(secondPictureFileName(*bank, pictureForQuestion(bank->pictures, 3)), "3tz15.JPG");
    EXPECT_EQ(bank->pictureSize, (PictureSize{609, 157}));
    EXPECT_EQ(bank->secondSize, (PictureSize{609, 152}));
    EXPECT_EQ(secondPictureFileName(*findBank("raskrsn"), 1), "");
}

TEST(BankTable, BanksDoNotShareFolders) {
    std::set<std::string_view> words;
    std::set<std::string_view> sources;
    for (const auto& bank : knownBanks()) {
        EXPECT_TRUE(words.insert(bank.word).second) << bank.word;
        EXPECT_TRUE(sources.insert(bank.sourceFile).second) << bank.sourceFile;
    }
}
