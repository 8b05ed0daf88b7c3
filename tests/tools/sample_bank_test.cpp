// Checks the ssitabcd bank written by the sample_banks build step.
#include "bank_format.h"
#include "bank_source.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

using namespace bankgen;

namespace {

constexpr std::size_t kLength = 33;
constexpr std::size_t kPerQuestion = 16;

const std::string kBankDir = std::string(SAMPLE_BANKS_DIR) + "/ssitabcd";

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

class SampleBank : public ::testing::Test {
protected:
    void SetUp() override {
        bytes_ = readFile(kBankDir + "/pitiodg/ssitabcd.pit");
        ASSERT_GE(bytes_.size(), kLength) << "bank file missing or empty";
        count_ = std::stoul(bytes_.substr(0, kLength));
    }

    std::string record(std::size_t question, std::size_t line) const {
        return bytes_.substr(((question - 1) * kPerQuestion + line) * kLength, kLength);
    }

    std::string bytes_;
    std::size_t count_ = 0;
};

} // namespace

TEST_F(SampleBank, SizeMatchesHeader) {
    EXPECT_GE(count_, 20u);
    EXPECT_EQ(bytes_.size(), (1 + count_ * kPerQuestion) * kLength);
    const std::string header = bytes_.substr(0, kLength);
    EXPECT_EQ(header,
              std::to_string(count_) + std::string(kLength - std::to_string(count_).size(), ' '));
}

TEST_F(SampleBank, OnlyPrintableAscii) {
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes_[i]);
        ASSERT_TRUE(c >= 0x20 && c <= 0x7e) << "byte " << i;
    }
}

TEST_F(SampleBank, EveryQuestionHasOneCorrectAnswerAndAnswersAB) {
    for (std::size_t q = 1; q <= count_; ++q) {
        int stars = 0;
        std::string letters;
        std::size_t lastUsed = 0;
        for (std::size_t i = 1; i <= kPerQuestion; ++i) {
            const std::string r = record(q, i);
            for (std::size_t pos = r.find('*'); pos != std::string::npos;
                 pos = r.find('*', pos + 1)) {
                ++stars;
                EXPECT_EQ(pos, 0u) << "question " << q << " line " << i;
            }
            if ((r[0] == ' ' || r[0] == '*') && r[1] >= 'a' && r[1] <= 'd' && r[2] == ')')
                letters += r[1];
            if (r.find_first_not_of(' ') != std::string::npos)
                lastUsed = i;
        }
        EXPECT_EQ(stars, 1) << "question " << q;
        EXPECT_TRUE(letters == "ab" || letters == "abc" || letters == "abcd")
            << "question " << q << " answers " << letters;
        // The question is closed by a blank record unless it fills all of them.
        if (lastUsed < kPerQuestion) {
            EXPECT_EQ(record(q, lastUsed + 1), std::string(kLength, ' '));
        }
    }
}

TEST_F(SampleBank, MatchesTheSource) {
    std::ifstream in(std::string(SAMPLE_DATA_DIR) + "/ssitabcd.txt");
    ASSERT_TRUE(in);
    const BankSource source = parseBankSource(in);
    const auto decoded = decodeBank(bytes_, Layout{33, 16});
    ASSERT_EQ(decoded.size(), source.questions.size()) << "bank is older than its source";
    for (std::size_t q = 0; q < decoded.size(); ++q) {
        std::vector<std::string> expected;
        for (const auto& line : source.questions[q].lines)
            expected.push_back(trimRight(line));
        EXPECT_EQ(decoded[q], expected) << "question " << q + 1;
    }
}

TEST_F(SampleBank, PicturesAreJpegsOfTheRightSize) {
    std::set<std::size_t> pictures;
    for (std::size_t q = 1; q <= count_; ++q)
        pictures.insert(q % 2 == 1 ? q : q - 1);
    EXPECT_GE(pictures.size(), 10u);
    for (std::size_t p : pictures) {
        const QString path =
            QString::fromStdString(kBankDir + "/JPGSLIKE/" + std::to_string(p) + "ssit.JPG");
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), QByteArray("jpeg")) << path.toStdString();
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull())
            << path.toStdString() << ": " << reader.errorString().toStdString();
        EXPECT_EQ(image.width(), 299);
        EXPECT_EQ(image.height(), 300);
        // Something is drawn: grass in the corner, road in the middle.
        EXPECT_NE(image.pixelColor(2, 2), image.pixelColor(149, 150)) << path.toStdString();
    }
}
