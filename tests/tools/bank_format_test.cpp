#include "bank_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace bankgen;

namespace {

using Lines = std::vector<std::string>;

const Layout kLayout{33, 16};

Lines simpleQuestion() {
    return {"Koje vozilo prvo prolazi kroz", "raskrsnicu?", " a) vozilo broj 1",
            "*b) vozilo broj 2"};
}

std::string record(const std::string& bytes, int number) {
    return bytes.substr(static_cast<std::size_t>(number - 1) * 33, 33);
}

std::string pad(const std::string& s) { return s + std::string(33 - s.size(), ' '); }

// Error message of analyzeQuestion, or "" when the question is accepted.
std::string problemWith(const Lines& lines) {
    try {
        analyzeQuestion(lines, kLayout);
        return "";
    } catch (const BankError& error) {
        return error.what();
    }
}

int problemLine(const Lines& lines) {
    try {
        analyzeQuestion(lines, kLayout);
    } catch (const BankError& error) {
        return error.line();
    }
    return -2;
}

} // namespace

TEST(BankEncoding, HeaderAndRecordPositions) {
    const Lines second{"Sta znaci ovaj znak?", " a) zabranu", "*b) obavezu", " c) opasnost"};
    const std::string bytes = encodeBank({simpleQuestion(), second}, kLayout);

    ASSERT_EQ(bytes.size(), (1u + 2u * 16u) * 33u);
    EXPECT_EQ(record(bytes, 1), pad("2"));
    // Question q, line i is record (q-1)*16 + i + 1.
    EXPECT_EQ(record(bytes, 2), pad("Koje vozilo prvo prolazi kroz"));
    EXPECT_EQ(record(bytes, 5), pad("*b) vozilo broj 2"));
    EXPECT_EQ(record(bytes, 6), pad("")); // closing record
    EXPECT_EQ(record(bytes, 17), pad(""));
    EXPECT_EQ(record(bytes, 18), pad("Sta znaci ovaj znak?"));
    EXPECT_EQ(record(bytes, 21), pad(" c) opasnost"));
    EXPECT_EQ(record(bytes, 22), pad(""));
    EXPECT_EQ(record(bytes, 33), pad(""));
}

TEST(BankEncoding, NoLineEndsOrSeparators) {
    const std::string bytes = encodeBank({simpleQuestion()}, kLayout);
    EXPECT_EQ(bytes.find('\n'), std::string::npos);
    EXPECT_EQ(bytes.find('\r'), std::string::npos);
    EXPECT_EQ(bytes.find('\0'), std::string::npos);
}

TEST(BankEncoding, FullQuestionHasNoClosingRecord) {
    Lines full{"Pitanje"};
    full.push_back(" a) prvi odgovor");
    for (int i = 0; i < 6; ++i)
        full.push_back("    nastavak prvog odgovora");
    full.push_back("*b) drugi odgovor");
    for (int i = 0; i < 7; ++i)
        full.push_back("    nastavak drugog odgovora");
    ASSERT_EQ(full.size(), 16u);

    const std::string bytes = encodeBank({full, simpleQuestion()}, kLayout);
    ASSERT_EQ(bytes.size(), (1u + 2u * 16u) * 33u);
    EXPECT_EQ(record(bytes, 17), pad("    nastavak drugog odgovora"));
    EXPECT_EQ(record(bytes, 18), pad("Koje vozilo prvo prolazi kroz"));

    const auto decoded = decodeBank(bytes, kLayout);
    ASSERT_EQ(decoded.size(), 2u);
    EXPECT_EQ(decoded[0], full);
}

TEST(BankEncoding, RoundTripKeepsBlankTextLinesAndDropsTrailingBlanks) {
    const Lines withBlank{"Prvi red pitanja", "", "Drugi red   ", " a) da", "*b) ne  "};
    const auto decoded = decodeBank(encodeBank({withBlank, simpleQuestion()}, kLayout), kLayout);
    ASSERT_EQ(decoded.size(), 2u);
    EXPECT_EQ(decoded[0], (Lines{"Prvi red pitanja", "", "Drugi red", " a) da", "*b) ne"}));
    EXPECT_EQ(decoded[1], simpleQuestion());
}

// The text banks: 73 characters a record, 13 records a question.
TEST(BankEncoding, TextBankLayout) {
    const Layout wide{73, 13};
    const auto wideRecord = [](const std::string& bytes, int number) {
        return bytes.substr(static_cast<std::size_t>(number - 1) * 73, 73);
    };
    const auto widePad = [](const std::string& s) { return s + std::string(73 - s.size(), ' '); };

    // Thirteen lines fill the question: no closing record, the next question follows at once.
    const std::string longest(73, 'x');
    Lines full{longest, "", "Drugi red pitanja", " a) " + std::string(69, 'a')};
    for (int i = 0; i < 4; ++i)
        full.push_back("    nastavak prvog odgovora");
    full.push_back("*b) drugi");
    full.push_back(" c) treci");
    full.push_back("    nastavak treceg odgovora");
    full.push_back(" d) cetvrti");
    full.push_back("    nastavak cetvrtog odgovora");
    ASSERT_EQ(full.size(), 13u);

    const std::string bytes = encodeBank({full, simpleQuestion()}, wide);
    ASSERT_EQ(bytes.size(), (1u + 2u * 13u) * 73u);
    EXPECT_EQ(wideRecord(bytes, 1), widePad("2"));
    // Question q, line i is record (q-1)*13 + i + 1.
    EXPECT_EQ(wideRecord(bytes, 2), longest);
    EXPECT_EQ(wideRecord(bytes, 3), widePad(""));
    EXPECT_EQ(wideRecord(bytes, 5), " a) " + std::string(69, 'a'));
    EXPECT_EQ(wideRecord(bytes, 14), widePad("    nastavak cetvrtog odgovora"));
    EXPECT_EQ(wideRecord(bytes, 15), widePad("Koje vozilo prvo prolazi kroz"));
    EXPECT_EQ(wideRecord(bytes, 18), widePad("*b) vozilo broj 2"));
    EXPECT_EQ(wideRecord(bytes, 19), widePad("")); // closing record
    EXPECT_EQ(wideRecord(bytes, 27), widePad(""));

    const auto decoded = decodeBank(bytes, wide);
    ASSERT_EQ(decoded.size(), 2u);
    EXPECT_EQ(decoded[0], full);
    EXPECT_EQ(decoded[1], simpleQuestion());
    // Read with the picture-bank layout the file does not add up.
    EXPECT_THROW(decodeBank(bytes, kLayout), BankError);
}

TEST(BankEncoding, ErrorsNameTheQuestion) {
    const Lines broken{"Pitanje", " a) da", " b) ne"};
    try {
        encodeBank({simpleQuestion(), broken}, kLayout);
        FAIL() << "accepted a question without a correct answer";
    } catch (const BankError& error) {
        EXPECT_NE(std::string(error.what()).find("question 2"), std::string::npos);
    }
}

TEST(BankDecoding, RejectsDamagedFiles) {
    const std::string good = encodeBank({simpleQuestion()}, kLayout);
    EXPECT_THROW(decodeBank(good.substr(0, good.size() - 1), kLayout), BankError);
    EXPECT_THROW(decodeBank(good + pad(""), kLayout), BankError);
    EXPECT_THROW(decodeBank("", kLayout), BankError);

    std::string badHeader = good;
    badHeader.replace(0, 2, "x1");
    EXPECT_THROW(decodeBank(badHeader, kLayout), BankError);

    std::string strayText = good;
    strayText.replace(10 * 33, 5, "tekst"); // record 11, after the closing record
    EXPECT_THROW(decodeBank(strayText, kLayout), BankError);
}

TEST(QuestionCheck, AcceptsTwoToFourAnswersWithContinuations) {
    EXPECT_EQ(problemWith(simpleQuestion()), "");
    EXPECT_EQ(problemWith({"P?", " a) 1", "    dalje", " b) 2", " c) 3", "*d) 4"}), "");
    // Capital "A)" is ordinary text.
    EXPECT_EQ(problemWith({"Tabla A) i B)", "*a) da", " b) ne"}), "");

    const auto parts = analyzeQuestion({"P?", " a) 1", "    dalje", "*b) 2"}, kLayout);
    ASSERT_EQ(parts.answers.size(), 2u);
    EXPECT_EQ(parts.answers[0].lines.size(), 2u);
    EXPECT_FALSE(parts.answers[0].correct);
    EXPECT_TRUE(parts.answers[1].correct);
}

TEST(QuestionCheck, RejectsLengthAndCharacters) {
    EXPECT_EQ(problemWith({std::string(33, 'x'), " a) 1", "*b) 2"}), "");
    EXPECT_NE(problemWith({std::string(34, 'x'), " a) 1", "*b) 2"}), "");
    EXPECT_EQ(problemLine({"P?", " a) 1", "*b) " + std::string(30, 'y')}), 2);
    EXPECT_NE(problemWith({"Koje vozilo \xc4\x8d?", " a) 1", "*b) 2"}), "");
    EXPECT_NE(problemWith({"Tab\tulator", " a) 1", "*b) 2"}), "");
}

TEST(QuestionCheck, RejectsTooManyLines) {
    Lines lines(15, "tekst");
    lines.push_back(" a) 1");
    lines.push_back("*b) 2");
    EXPECT_NE(problemWith(lines), "");
}

TEST(QuestionCheck, TextBankLimits) {
    const Layout wide{73, 13};
    const auto accepts = [&](const Lines& lines) {
        try {
            analyzeQuestion(lines, wide);
            return true;
        } catch (const BankError&) {
            return false;
        }
    };
    const auto lineOfProblem = [&](const Lines& lines) {
        try {
            analyzeQuestion(lines, wide);
        } catch (const BankError& error) {
            return error.line();
        }
        return -2;
    };

    EXPECT_TRUE(accepts({std::string(73, 'x'), " a) 1", "*b) 2"}));
    EXPECT_FALSE(accepts({std::string(74, 'x'), " a) 1", "*b) 2"}));
    EXPECT_EQ(lineOfProblem({"P?", " a) 1", "    " + std::string(70, 'y'), "*b) 2"}), 2);
    EXPECT_EQ(lineOfProblem({"P?", " a) 1", "*b) " + std::string(70, 'y')}), 2);
    // Trailing blanks are padding and do not count.
    EXPECT_TRUE(accepts({std::string(73, 'x') + "   ", " a) 1", "*b) 2"}));

    Lines thirteen(11, "tekst");
    thirteen.push_back(" a) 1");
    thirteen.push_back("*b) 2");
    EXPECT_TRUE(accepts(thirteen));
    thirteen.insert(thirteen.begin(), "jos jedan red");
    EXPECT_FALSE(accepts(thirteen));
}

TEST(QuestionCheck, RejectsWrongCorrectMarks) {
    EXPECT_NE(problemWith({"P?", " a) 1", " b) 2"}), "");
    EXPECT_NE(problemWith({"P?", "*a) 1", "*b) 2"}), "");
    // '*' is reserved for the marker.
    EXPECT_NE(problemWith({"P? *", " a) 1", "*b) 2"}), "");
    EXPECT_NE(problemWith({"P?", " a) 1 * 2", "*b) 2"}), "");
}

TEST(QuestionCheck, RejectsMissingOrMisorderedAnswers) {
    EXPECT_NE(problemWith({"P?", "*a) 1"}), "");
    EXPECT_NE(problemWith({"P?"}), "");
    EXPECT_NE(problemWith({"P?", " b) 1", "*a) 2"}), "");
    EXPECT_NE(problemWith({"P?", "*a) 1", " c) 2"}), "");
    EXPECT_NE(problemWith({"P?", "*a) 1", " b) 2", " b) 3"}), "");
    EXPECT_EQ(problemLine({"P?", "*a) 1", " c) 2"}), 2);
}

TEST(QuestionCheck, RejectsMarkersOutsideTheirPlace) {
    // In the question text.
    EXPECT_NE(problemWith({"Vozilo a) ili b)?", " a) 1", "*b) 2"}), "");
    EXPECT_NE(problemWith({"Koje vozilo (vozilo a) ide?", " a) 1", "*b) 2"}), "");
    // In a continuation line and after a marker on the same line.
    EXPECT_NE(problemWith({"P?", " a) 1", "    kao pod b) ", "*b) 2"}), "");
    EXPECT_NE(problemWith({"P?", " a) 1 ili c) 3", "*b) 2"}), "");
    // A marker without its leading blank.
    EXPECT_NE(problemWith({"P?", "a) 1", "*b) 2"}), "");
}

TEST(QuestionCheck, BlankLines) {
    EXPECT_EQ(problemWith({"Prvi red", "", "Drugi red", " a) 1", "*b) 2"}), "");
    EXPECT_NE(problemWith({"P?", " a) 1", "", "*b) 2"}), "");
    EXPECT_NE(problemWith({"", " a) 1", "*b) 2"}), "");
}
