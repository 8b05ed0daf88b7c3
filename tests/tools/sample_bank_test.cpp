// Checks every bank written by the sample_banks build step.
#include "bank_format.h"
#include "bank_source.h"
#include "bank_table.h"
#include "scene.h"
#include "sign_sheet.h"

#include <QImage>
#include <QImageReader>
#include <QString>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <ostream>
#include <set>
#include <sstream>
#include <utility>
#include <vector>

using namespace bankgen;

namespace bankgen {
// Failure messages name the bank instead of dumping its bytes.
void PrintTo(const BankInfo& bank, std::ostream* out) { *out << bank.word; }
} // namespace bankgen

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The readable source of a bank, or an empty one if it cannot be read.
// A sign-matching source reads as questions whose lines are the answer keys.
BankSource readSource(const BankInfo& bank) {
    std::ifstream in(std::string(SAMPLE_DATA_DIR) + "/" + std::string(bank.sourceFile));
    if (!in)
        return {};
    if (bank.kind == QuestionKind::Matching) {
        BankSource source;
        for (const auto& sheet : parseSignSheets(in)) {
            SourceQuestion question{sheet.number, sheet.line, sheetKeys(sheet), {}};
            for (const auto& sign : sheet.signs)
                question.lineNumbers.push_back(sign.line);
            source.questions.push_back(std::move(question));
        }
        return source;
    }
    return parseBankSource(in,
                           bank.pictures == PictureRule::None ? PictureStatements::Rejected
                                                              : PictureStatements::Allowed,
                           bank.kind);
}

// Fewer questions than this means a source lost some of them.
std::size_t minimumQuestions(std::string_view word) {
    static const std::map<std::string_view, std::size_t> minimum{
        {"ssitabcd", 20}, {"znovlica", 8}, {"slsaobzn", 13}, {"suvaabcd", 20}, {"ppomabcd", 12},
        {"suvaodg", 15},  {"ppomodg", 10}, {"raskrsn", 11},  {"saobzn15", 3}};
    const auto it = minimum.find(word);
    return it == minimum.end() ? 1 : it->second;
}

class SampleBank : public ::testing::TestWithParam<BankInfo> {
protected:
    void SetUp() override {
        bank_ = GetParam();
        length_ = static_cast<std::size_t>(bank_.layout.recordLength);
        perQuestion_ = static_cast<std::size_t>(bank_.layout.recordsPerQuestion);
        bytes_ = readFile(std::string(SAMPLE_BANKS_DIR) + "/" + bankFilePath(bank_));
        ASSERT_GE(bytes_.size(), length_) << "bank file missing or empty";
        count_ = std::stoul(bytes_.substr(0, length_));
    }

    std::string record(std::size_t question, std::size_t line) const {
        return bytes_.substr(((question - 1) * perQuestion_ + line) * length_, length_);
    }

    BankInfo bank_;
    std::size_t length_ = 0;
    std::size_t perQuestion_ = 0;
    std::string bytes_;
    std::size_t count_ = 0;
};

// Each of these runs only over the banks its tests apply to (see the lists at the end).
class ChoiceBank : public SampleBank {};
class ClozeBank : public SampleBank {};
class OrderBank : public SampleBank {};
class MatchingBank : public SampleBank {};
class TextBank : public SampleBank {};
class PictureBank : public SampleBank {};

} // namespace

TEST_P(SampleBank, SizeMatchesHeader) {
    EXPECT_GE(count_, minimumQuestions(bank_.word));
    EXPECT_EQ(bytes_.size(), (1 + count_ * perQuestion_) * length_);
    const std::string header = bytes_.substr(0, length_);
    EXPECT_EQ(header,
              std::to_string(count_) + std::string(length_ - std::to_string(count_).size(), ' '));
}

TEST_P(SampleBank, OnlyPrintableAscii) {
    for (std::size_t i = 0; i < bytes_.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes_[i]);
        ASSERT_TRUE(c >= 0x20 && c <= 0x7e) << "byte " << i;
    }
}

TEST_P(ChoiceBank, EveryQuestionHasOneCorrectAnswerAndAnswersAB) {
    for (std::size_t q = 1; q <= count_; ++q) {
        int stars = 0;
        std::string letters;
        std::size_t lastUsed = 0;
        for (std::size_t i = 1; i <= perQuestion_; ++i) {
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
        if (lastUsed < perQuestion_) {
            EXPECT_EQ(record(q, lastUsed + 1), std::string(length_, ' '));
        }
    }
}

// Scanned straight from the records, without the bank reader.
TEST_P(ClozeBank, EveryClozeQuestionHasOneGapWithRoomAroundIt) {
    for (std::size_t q = 1; q <= count_; ++q) {
        SCOPED_TRACE("question " + std::to_string(q));
        std::size_t starredLine = 0;
        std::size_t lastUsed = 0;
        for (std::size_t i = 1; i <= perQuestion_; ++i) {
            const std::string r = record(q, i);
            if (r.find_first_not_of(' ') != std::string::npos)
                lastUsed = i;
            const auto first = r.find('*');
            if (first == std::string::npos)
                continue;
            EXPECT_EQ(starredLine, 0u) << "second starred line " << i;
            starredLine = i;
            const auto second = r.find('*', first + 1);
            ASSERT_NE(second, std::string::npos) << "line " << i << " has a single '*'";
            EXPECT_EQ(r.find('*', second + 1), std::string::npos) << "line " << i;
            const std::string answer = r.substr(first + 1, second - first - 1);
            EXPECT_FALSE(answer.empty()) << "line " << i;
            EXPECT_EQ(answer.find_first_not_of(' '), 0u) << "answer '" << answer << "'";
            EXPECT_NE(answer.back(), ' ') << "answer '" << answer << "'";
        }
        ASSERT_NE(starredLine, 0u) << "no starred line";
        EXPECT_GE(lastUsed, 2u);
        // The verdict goes above the starred line and the correct answer below it, over a
        // blank record so that it hides no text.
        EXPECT_GT(starredLine, 1u);
        ASSERT_LT(starredLine, perQuestion_);
        EXPECT_EQ(record(q, starredLine + 1), std::string(length_, ' '));
        // Nothing to choose from.
        for (std::size_t i = 1; i <= lastUsed; ++i) {
            const std::string r = record(q, i);
            EXPECT_FALSE(r[1] >= 'a' && r[1] <= 'd' && r[2] == ')') << "line " << i;
        }
    }
}

// Read straight from the records: every question is the numbers of the vehicles in its
// picture, each once, one digit at the start of a record, then 0 in the unused boxes.
TEST_P(OrderBank, EveryOrderNamesTheVehiclesOfItsPicture) {
    const BankSource source = readSource(bank_);
    ASSERT_EQ(source.questions.size(), count_);
    std::map<int, Scene> scenes;
    for (const auto& picture : source.pictures)
        scenes.emplace(picture.number, parseScene(picture));

    for (std::size_t q = 1; q <= count_; ++q) {
        SCOPED_TRACE("question " + std::to_string(q));
        const auto scene = scenes.find(pictureForQuestion(bank_.pictures, static_cast<int>(q)));
        ASSERT_NE(scene, scenes.end()) << "no picture";

        std::string keys;
        std::size_t zeros = 0;
        for (std::size_t i = 1; i <= perQuestion_; ++i) {
            const std::string r = record(q, i);
            EXPECT_EQ(r.substr(1), std::string(length_ - 1, ' ')) << "box " << i;
            ASSERT_TRUE(r[0] >= '0' && r[0] <= '9') << "box " << i << " '" << r << "'";
            if (r[0] == '0')
                ++zeros;
            else
                EXPECT_EQ(zeros, 0u) << "vehicle " << r[0] << " after an unused box " << i;
            if (r[0] != '0')
                keys += r[0];
        }
        EXPECT_EQ(keys.size() + zeros, perQuestion_);

        std::string vehicles;
        for (const auto& v : scene->second.vehicles)
            vehicles += v.label;
        std::string sortedKeys = keys;
        std::sort(sortedKeys.begin(), sortedKeys.end());
        std::sort(vehicles.begin(), vehicles.end());
        EXPECT_EQ(sortedKeys, vehicles) << "order " << keys;
        // One strict order of at least two vehicles; a picture for a single vehicle asks
        // nothing.
        EXPECT_GE(keys.size(), 2u);
    }
}

// Read straight from the records: fifteen different meaning numbers of the task's list, each
// blank padded, then five spare records of 0.
TEST_P(MatchingBank, EveryTaskMatchesFifteenSignsToItsList) {
    std::ifstream in(std::string(SAMPLE_DATA_DIR) + "/" + std::string(bank_.sourceFile));
    const auto sheets = parseSignSheets(in);
    ASSERT_EQ(sheets.size(), count_);
    for (std::size_t t = 1; t <= count_; ++t) {
        SCOPED_TRACE("task " + std::to_string(t));
        const auto meanings = sheets[t - 1].meanings.size();
        std::set<unsigned long> keys;
        for (std::size_t i = 1; i <= 15; ++i) {
            const std::string r = record(t, i);
            const auto end = r.find(' ');
            ASSERT_NE(end, 0u) << "box " << i;
            ASSERT_EQ(r.find_first_not_of("0123456789"), end) << "box " << i << " '" << r << "'";
            if (end != std::string::npos) {
                EXPECT_EQ(r.substr(end), std::string(length_ - end, ' ')) << "box " << i;
            }
            const auto key = std::stoul(r);
            EXPECT_GE(key, 1u) << "box " << i;
            EXPECT_LE(key, meanings) << "box " << i;
            keys.insert(key);
        }
        EXPECT_EQ(keys.size(), 15u);
        for (std::size_t i = 16; i <= perQuestion_; ++i)
            EXPECT_EQ(record(t, i), "0    ") << "spare " << i;
    }
}

TEST_P(SampleBank, MatchesTheSource) {
    const BankSource source = readSource(bank_);
    ASSERT_FALSE(source.questions.empty());
    const auto decoded = decodeBank(bytes_, bank_.layout, bank_.kind);
    ASSERT_EQ(decoded.size(), source.questions.size()) << "bank is older than its source";
    for (std::size_t q = 0; q < decoded.size(); ++q) {
        std::vector<std::string> expected;
        for (std::size_t i = 0; i < source.questions[q].lines.size(); ++i) {
            expected.push_back(trimRight(source.questions[q].lines[i]));
            // A longer line would have been cut or spilled into the next record.
            EXPECT_LE(expected.back().size(), length_)
                << "source line " << source.questions[q].lineNumbers[i];
        }
        EXPECT_LE(expected.size(), perQuestion_) << "question " << q + 1;
        EXPECT_EQ(decoded[q], expected) << "question " << q + 1;
    }
}

TEST_P(TextBank, TextBankHasNoPictureFolder) {
    EXPECT_FALSE(
        std::filesystem::exists(std::string(SAMPLE_BANKS_DIR) + "/" + pictureDirPath(bank_)));
}

TEST_P(PictureBank, PicturesAreJpegsOfTheRightSize) {
    std::set<int> pictures;
    for (std::size_t q = 1; q <= count_; ++q)
        pictures.insert(pictureForQuestion(bank_.pictures, static_cast<int>(q)));
    EXPECT_FALSE(pictures.count(0));
    // Each picture, and the second one shown with it if the bank has one.
    std::vector<std::pair<std::string, PictureSize>> files;
    for (int p : pictures) {
        files.emplace_back(pictureFileName(bank_, p), bank_.pictureSize);
        if (!bank_.secondSuffix.empty())
            files.emplace_back(secondPictureFileName(bank_, p), bank_.secondSize);
    }
    for (const auto& [file, size] : files) {
        const QString path = QString::fromStdString(std::string(SAMPLE_BANKS_DIR) + "/" +
                                                    pictureDirPath(bank_) + "/" + file);
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), QByteArray("jpeg")) << path.toStdString();
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull())
            << path.toStdString() << ": " << reader.errorString().toStdString();
        EXPECT_EQ(image.width(), size.width);
        EXPECT_EQ(image.height(), size.height);
        // Something is drawn: a good part of the picture differs from its corner.
        const QColor corner = image.pixelColor(2, 2);
        int differing = 0;
        int samples = 0;
        for (int x = 0; x < image.width(); x += 3)
            for (int y = 0; y < image.height(); y += 3, ++samples) {
                const QColor c = image.pixelColor(x, y);
                differing += std::abs(c.red() - corner.red()) +
                                 std::abs(c.green() - corner.green()) +
                                 std::abs(c.blue() - corner.blue()) >
                             60;
            }
        EXPECT_GT(differing * 50, samples) << path.toStdString();
    }
}

namespace {

std::vector<BankInfo> banksWhere(bool (*applies)(const BankInfo&)) {
    std::vector<BankInfo> banks;
    std::copy_if(knownBanks().begin(), knownBanks().end(), std::back_inserter(banks), applies);
    return banks;
}

std::string bankName(const ::testing::TestParamInfo<BankInfo>& info) {
    return std::string(info.param.word);
}

bool isChoice(const BankInfo& bank) { return bank.kind == QuestionKind::Choice; }
bool isCloze(const BankInfo& bank) { return bank.kind == QuestionKind::Cloze; }
bool isOrder(const BankInfo& bank) { return bank.kind == QuestionKind::Order; }
bool isMatching(const BankInfo& bank) { return bank.kind == QuestionKind::Matching; }
bool hasNoPictures(const BankInfo& bank) { return bank.pictures == PictureRule::None; }
bool hasPictures(const BankInfo& bank) { return bank.pictures != PictureRule::None; }

} // namespace

// A list that comes out empty fails as a suite that generates no tests.
INSTANTIATE_TEST_SUITE_P(EveryBank, SampleBank,
                         ::testing::ValuesIn(knownBanks().begin(), knownBanks().end()), bankName);
INSTANTIATE_TEST_SUITE_P(Choice, ChoiceBank, ::testing::ValuesIn(banksWhere(isChoice)), bankName);
INSTANTIATE_TEST_SUITE_P(Cloze, ClozeBank, ::testing::ValuesIn(banksWhere(isCloze)), bankName);
INSTANTIATE_TEST_SUITE_P(Order, OrderBank, ::testing::ValuesIn(banksWhere(isOrder)), bankName);
INSTANTIATE_TEST_SUITE_P(Matching, MatchingBank, ::testing::ValuesIn(banksWhere(isMatching)),
                         bankName);
INSTANTIATE_TEST_SUITE_P(Text, TextBank, ::testing::ValuesIn(banksWhere(hasNoPictures)), bankName);
INSTANTIATE_TEST_SUITE_P(Pictures, PictureBank, ::testing::ValuesIn(banksWhere(hasPictures)),
                         bankName);
