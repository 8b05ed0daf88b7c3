#include "platform/basic.h"

#include <gtest/gtest.h>

namespace kviz::basic {
namespace {

struct NumberCase {
    const char* name;
    const char* text;
    double expected;
};

TEST(Basic, LeadingNumber) {
    const NumberCase cases[] = {
        {"plain", "360", 360},
        {"leading blanks", "  360   ", 360},
        {"followed by a word", "360 pitanja", 360},
        {"digits then letters", "12abc", 12},
        {"fraction", "2.5", 2.5},
        {"negative", "-3", -3},
        {"none", "abc", 0},
        {"empty", "", 0},
        {"blank", "     ", 0},
        {"sign only", "-", 0},
        {"leading tab", "\t7", 7},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.expected) << c.name;
}

TEST(Basic, RoundHalfEven) {
    const std::pair<double, double> cases[] = {{2.5, 2},   {3.5, 4},   {0.4, 0},   {0.5, 0},
                                               {1.5, 2},   {12.5, 12}, {13.5, 14}, {-2.5, -2},
                                               {-3.5, -4}, {2.6, 3},   {-0.4, 0}};
    for (auto [in, out] : cases)
        EXPECT_DOUBLE_EQ(roundHalfEven(in), out) << in;
}

TEST(Basic, IntegerConversionRefusesOutOfRange) {
    EXPECT_EQ(toLong(2147483647.0), 2147483647);
    EXPECT_FALSE(toLong(2147483648.0).has_value());
}

TEST(Basic, UpperCaseKeepsWindows1250Letters) {
    EXPECT_EQ(upper("pera peric"), "PERA PERIC");
    // s caron, z caron, c caron, d stroke, c acute in Windows-1250
    EXPECT_EQ(upper("\x9a\x9e\xe8\xf0\xe6"), "\x8a\x8e\xc8\xd0\xc6");
    EXPECT_EQ(upper("a1 ?b"), "A1 ?B");
    EXPECT_EQ(upper(std::string("\xf7", 1)), std::string("\xf7", 1)); // division sign stays
}

TEST(Basic, Trim) {
    EXPECT_EQ(trim("  DA "), "DA");
    EXPECT_EQ(trim("   "), "");
    EXPECT_EQ(trimEnd(" 12  "), " 12");
    EXPECT_EQ(trimEnd("  "), "");
}

TEST(Basic, Windows1250RoundTrip) {
    // Every byte comes back, the ones the code page leaves undefined (0x81, 0x83, 0x88, 0x90,
    // 0x98) included, so a list line written by another program survives a rewrite.
    for (int b = 0; b < 256; ++b) {
        char32_t u = cp1250ToUnicode(static_cast<unsigned char>(b));
        auto back = unicodeToCp1250(u);
        ASSERT_TRUE(back.has_value()) << b;
        EXPECT_EQ(*back, b);
    }
    EXPECT_EQ(cp1250ToUnicode(0x8A), U'\u0160');          // S caron
    EXPECT_FALSE(unicodeToCp1250(U'\u0416').has_value()); // Cyrillic Zhe
}

} // namespace
} // namespace kviz::basic
