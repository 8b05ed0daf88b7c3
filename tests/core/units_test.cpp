// The pass mark, the working minutes and the typed-answer records.
#include "core/pass_mark.h"
#include "core/typed_answer.h"
#include "core/work_time.h"

#include <gtest/gtest.h>

namespace kviz {
namespace {

TEST(PassMark, GradesAtNinetyPercent) {
    struct Case {
        int answered, correct, mark;
        const char* label;
    };
    const Case cases[] = {
        {10, 9, 90, "Ocena: POLOZIO(90%)"},        {9, 8, 88, "Ocena: NIJE POLOZIO(88%)"},
        {1, 1, 100, "Ocena: POLOZIO(100%)"},       {1, 0, 0, "Ocena: NIJE POLOZIO(0%)"},
        {3, 2, 66, "Ocena: NIJE POLOZIO(66%)"},    {0, 0, -1, "Ocena:"},
        {100, 89, 89, "Ocena: NIJE POLOZIO(89%)"}, {100, 90, 90, "Ocena: POLOZIO(90%)"},
    };
    for (const auto& c : cases) {
        if (c.answered != 0) {
            EXPECT_EQ(passMark(c.answered, c.correct), c.mark);
        }
        EXPECT_EQ(gradeLabel(c.answered, c.correct), c.label);
    }
}

TEST(WorkMinutes, RoundHalfToEvenAfterCuttingToWholeSeconds) {
    const std::pair<double, int> cases[] = {{0, 0},   {30, 0},  {30.9, 0}, {31, 1},  {89, 1},
                                            {90, 2},  {150, 2}, {151, 3},  {209, 3}, {210, 4},
                                            {270, 4}, {271, 5}, {-5, 0}};
    for (auto [seconds, minutes] : cases)
        EXPECT_EQ(elapsedWorkMinutes(seconds), minutes) << seconds;
    EXPECT_FALSE(workLimitReached(299.9, 5));
    EXPECT_TRUE(workLimitReached(300, 5));
}

TEST(TypedAnswer, ClozeLinesAndFields) {
    auto cloze = findCloze("Brzina je *50* km/h.");
    ASSERT_TRUE(cloze.has_value());
    EXPECT_EQ(cloze->firstStar, 10u);
    EXPECT_EQ(cloze->answer, "50");
    EXPECT_EQ(findCloze("*levo* skrece")->firstStar, 0u);
    EXPECT_EQ(findCloze("jedna *zvezda  ")->answer, "zvezda  "); // to the end of the record
    EXPECT_FALSE(findCloze("bez zvezdice").has_value());
    EXPECT_EQ(answerField(""), "  ");
    EXPECT_EQ(answerField("x"), "x ");
    EXPECT_EQ(answerField("12"), "12");
    EXPECT_EQ(answerField("abc"), "abc");
    EXPECT_EQ(answerField("7", 3), "7  ");
    EXPECT_EQ(typedRow("x ", 'N'), "x N");
    EXPECT_EQ(typedRow("", '\0'), std::string(1, '\0'));
    EXPECT_FALSE(readTypedRow("").has_value());
    EXPECT_EQ(readTypedRow("x N"), std::make_pair(std::string("x "), 'N'));
    EXPECT_EQ(readTypedRow(" "), std::make_pair(std::string(), ' '));
    EXPECT_EQ(readTypedRow(std::string(1, '\0')), std::make_pair(std::string(), '\0'));
    EXPECT_EQ(readTypedRow("abcQ"), std::make_pair(std::string(), '\0')); // no result letter
}

} // namespace
} // namespace kviz
