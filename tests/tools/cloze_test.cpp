// Typed-answer (cloze) questions: the checks of one question and the bank file they make.
#include "bank_format.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace bankgen;

namespace {

using Lines = std::vector<std::string>;

const Layout kWide{73, 13};

Lines speedQuestion() {
    return {"Ako saobracajnim znakom nije drugacije odredjeno, najveca dozvoljena",
            "brzina kretanja vozila u naselju iznosi *50* km/h.", "", "(Upisite broj.)"};
}

// "" when the question is accepted, else the line index of the fault and the message.
std::string problemWith(const Lines& lines) {
    try {
        analyzeCloze(lines, kWide);
        return "";
    } catch (const BankError& error) {
        return std::to_string(error.line()) + ": " + error.what();
    }
}

int problemLine(const Lines& lines) {
    try {
        analyzeCloze(lines, kWide);
    } catch (const BankError& error) {
        return error.line();
    }
    return -2;
}

std::string wideRecord(const std::string& bytes, int number) {
    return bytes.substr(static_cast<std::size_t>(number - 1) * 73, 73);
}

std::string widePad(const std::string& s) { return s + std::string(73 - s.size(), ' '); }

} // namespace

TEST(ClozeCheck, FindsTheGap) {
    const ClozeGap gap = analyzeCloze(speedQuestion(), kWide);
    EXPECT_EQ(gap.line, 1);
    EXPECT_EQ(gap.column, 40u);
    EXPECT_EQ(gap.answer, "50");

    // Inner blanks and capitals are part of the answer; trailing padding of the line is not.
    const ClozeGap inner = analyzeCloze({"Pitanje", "odgovor je *Zakon o bezbednosti*   "}, kWide);
    EXPECT_EQ(inner.answer, "Zakon o bezbednosti");
    EXPECT_EQ(analyzeCloze({"Pitanje", "*levo*"}, kWide).column, 0u);
}

TEST(ClozeCheck, StarsMakeExactlyOneGap) {
    EXPECT_NE(problemWith({"Pitanje", "bez odgovora"}), "");
    EXPECT_NE(problemWith({}), "");
    // One, three or four stars on the answer line.
    EXPECT_EQ(problemLine({"Pitanje", "brzina *50 km/h"}), 1);
    EXPECT_EQ(problemLine({"Pitanje", "brzina *50* km/h*"}), 1);
    EXPECT_EQ(problemLine({"Pitanje", "*50* ili *60*"}), 1);
    // A star on another line, before or after the answer line.
    EXPECT_EQ(problemLine({"Pitanje", "brzina *50* km/h", "", "napomena *"}), 3);
    EXPECT_EQ(problemLine({"Pitanje *", "brzina *50* km/h"}), 0);
    EXPECT_EQ(problemLine({"Pitanje", "brzina *50* km/h", "i *60* km/h"}), 2);
}

TEST(ClozeCheck, AnswerMustBeTypableAsItStands) {
    EXPECT_EQ(problemLine({"Pitanje", "brzina ** km/h"}), 1);
    EXPECT_EQ(problemLine({"Pitanje", "brzina *   * km/h"}), 1);
    EXPECT_EQ(problemLine({"Pitanje", "brzina * 50* km/h"}), 1);
    EXPECT_EQ(problemLine({"Pitanje", "brzina *50 * km/h"}), 1);
}

// The verdict is shown above the starred line and the correct answer below it.
TEST(ClozeCheck, StarredLineHasRoomAboveAndBelow) {
    EXPECT_EQ(problemLine({"Brzina je *50* km/h.", "", "(Upisite broj.)"}), 0);
    EXPECT_EQ(problemWith({"", "Brzina je *50* km/h."}), "");

    Lines full(13, "tekst");
    full[11] = "brzina je *50* km/h";
    EXPECT_EQ(problemWith(full), "");
    full[11] = "tekst";
    full[12] = "brzina je *50* km/h";
    EXPECT_EQ(problemLine(full), 12);
    // With fewer lines the last line has a blank record below it.
    EXPECT_EQ(problemWith({"Pitanje", "brzina je *50* km/h"}), "");
}

TEST(ClozeCheck, LimitsOfTheRecords) {
    const std::string line73 = "je *50*" + std::string(66, 'x');
    EXPECT_EQ(problemWith({"Pitanje", line73}), "");
    EXPECT_EQ(problemLine({"Pitanje", line73 + "x"}), 1);
    EXPECT_EQ(problemLine({"Pitanje", "je *50*", std::string(74, 'y')}), 2);
    EXPECT_EQ(problemLine({"Pitanje", "je *50* km/h \xc4\x8d"}), 1);
    EXPECT_EQ(problemLine({"Pitanje", "je\t*50*"}), 1);

    Lines fourteen(14, "tekst");
    fourteen[1] = "je *50*";
    EXPECT_NE(problemWith(fourteen), "");
}

TEST(ClozeCheck, OffersNothingToChooseFrom) {
    EXPECT_EQ(problemLine({"Pitanje", "je *50*", "", " a) 50"}), 3);
    EXPECT_EQ(problemLine({"Pitanje", " b) je *50*"}), 1);
    EXPECT_EQ(problemLine({"Pitanje", "je *50*", "c) 60"}), 2);
    EXPECT_EQ(problemLine({"Pitanje (vidi d) ispod)", "je *50*"}), 0);
    // A capital letter or a star before "a)" is not an answer marker.
    EXPECT_EQ(problemWith({"Tabla A) i B)", "je *50*"}), "");
}

TEST(ClozeCheck, BlankLines) {
    EXPECT_EQ(problemWith({"Prvi red", "", "je *50*", "", "", "napomena"}), "");
    // Trailing blank lines would be lost in the file, where they look like filling.
    EXPECT_EQ(problemLine({"Pitanje", "je *50*", ""}), 2);
    EXPECT_EQ(problemLine({"Pitanje", "je *50*", "   "}), 2);
}

TEST(ClozeEncoding, RecordPositions) {
    const Lines second{"Pesak se krece uz", "*levu* ivicu kolovoza."};
    const std::string bytes = encodeBank({speedQuestion(), second}, kWide, QuestionKind::Cloze);

    ASSERT_EQ(bytes.size(), (1u + 2u * 13u) * 73u);
    EXPECT_EQ(bytes.find('\n'), std::string::npos);
    EXPECT_EQ(wideRecord(bytes, 1), widePad("2"));
    // Question q, line i is record (q-1)*13 + i + 1; blank lines inside are kept.
    EXPECT_EQ(wideRecord(bytes, 2), widePad(speedQuestion()[0]));
    EXPECT_EQ(wideRecord(bytes, 3), widePad("brzina kretanja vozila u naselju iznosi *50* km/h."));
    EXPECT_EQ(wideRecord(bytes, 4), widePad(""));
    EXPECT_EQ(wideRecord(bytes, 5), widePad("(Upisite broj.)"));
    for (int r = 6; r <= 14; ++r)
        EXPECT_EQ(wideRecord(bytes, r), widePad("")) << "record " << r;
    EXPECT_EQ(wideRecord(bytes, 15), widePad("Pesak se krece uz"));
    EXPECT_EQ(wideRecord(bytes, 16), widePad("*levu* ivicu kolovoza."));
    EXPECT_EQ(wideRecord(bytes, 27), widePad(""));
}

TEST(ClozeEncoding, RoundTrip) {
    Lines full(13, "");
    full[0] = "Prvi red";
    full[5] = "brzina je *50* km/h   ";
    full[12] = std::string(73, 'z');
    const Lines gaps{"Prvi", "", "", "je *levo*", "", "", "kraj"};
    const std::string bytes = encodeBank({full, gaps, speedQuestion()}, kWide, QuestionKind::Cloze);
    ASSERT_EQ(bytes.size(), (1u + 3u * 13u) * 73u);
    // A full question runs straight into the next one.
    EXPECT_EQ(wideRecord(bytes, 14), std::string(73, 'z'));
    EXPECT_EQ(wideRecord(bytes, 15), widePad("Prvi"));

    const auto decoded = decodeBank(bytes, kWide, QuestionKind::Cloze);
    ASSERT_EQ(decoded.size(), 3u);
    full[5] = "brzina je *50* km/h";
    EXPECT_EQ(decoded[0], full);
    EXPECT_EQ(decoded[1], gaps);
    EXPECT_EQ(decoded[2], speedQuestion());
}

TEST(ClozeEncoding, KindsDoNotMix) {
    const std::string cloze = encodeBank({speedQuestion()}, kWide, QuestionKind::Cloze);
    EXPECT_THROW(decodeBank(cloze, kWide), BankError);
    EXPECT_THROW(encodeBank({speedQuestion()}, kWide), BankError);

    const Lines choice{"Brzina u naselju?", "*a) 50 km/h", " b) 60 km/h"};
    const std::string choiceBytes = encodeBank({choice}, kWide);
    EXPECT_THROW(decodeBank(choiceBytes, kWide, QuestionKind::Cloze), BankError);
    EXPECT_THROW(encodeBank({choice}, kWide, QuestionKind::Cloze), BankError);
}

TEST(ClozeEncoding, ErrorsNameTheQuestionAndLine) {
    try {
        encodeBank({speedQuestion(), {"Pitanje", "je *50", "km/h"}}, kWide, QuestionKind::Cloze);
        FAIL() << "accepted a single star";
    } catch (const BankError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("question 2: ", 0), 0u) << error.what();
        EXPECT_EQ(error.line(), 1);
    }
}

TEST(ClozeDecoding, RejectsDamagedFiles) {
    const std::string good = encodeBank({speedQuestion()}, kWide, QuestionKind::Cloze);
    EXPECT_NO_THROW(decodeBank(good, kWide, QuestionKind::Cloze));
    EXPECT_THROW(decodeBank(good.substr(0, good.size() - 1), kWide, QuestionKind::Cloze),
                 BankError);
    EXPECT_THROW(decodeBank(good + widePad(""), kWide, QuestionKind::Cloze), BankError);

    std::string lostStar = good;
    lostStar[2 * 73 + 40] = ' '; // first star of the answer line (record 3)
    EXPECT_THROW(decodeBank(lostStar, kWide, QuestionKind::Cloze), BankError);

    std::string secondGap = good;
    secondGap.replace(10 * 73, 4, "*60*"); // record 11, far below the answer line
    EXPECT_THROW(decodeBank(secondGap, kWide, QuestionKind::Cloze), BankError);
}
