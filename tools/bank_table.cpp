#include "bank_table.h"

#include <algorithm>
#include <array>

namespace bankgen {

namespace {

// The junction pictures are shown in a larger, landscape frame.
constexpr PictureSize kJunctionPicture{489, 257};
// A fifteen-signs task: the signs in three rows of five, and the numbered list of meanings.
constexpr PictureSize kSignGrid{609, 157};
constexpr PictureSize kMeaningList{609, 152};

// A typed answer is a word to fill in under a text question, the order in which the vehicles of
// a junction pass, or the meaning numbers of the signs of a task shown in two pictures.
QuestionKind kindOf(const kviz::TestDescriptor& test) {
    if (test.answerMode == kviz::AnswerMode::MultipleChoice)
        return QuestionKind::Choice;
    if (test.pictureRule == PictureRule::None)
        return QuestionKind::Cloze;
    return test.secondPictureSuffix.empty() ? QuestionKind::Order : QuestionKind::Matching;
}

BankInfo bankOf(const kviz::TestDescriptor& test) {
    BankInfo bank;
    bank.test = &test;
    bank.word = test.testWord;
    bank.sourceFile = std::string(test.testWord) + ".txt";
    bank.layout = Layout{test.recordLength, test.recordsPerQuestion};
    bank.kind = kindOf(test);
    bank.pictures = test.pictureRule;
    bank.secondSuffix = test.secondPictureSuffix;
    if (bank.kind == QuestionKind::Choice && bank.pictures != PictureRule::None)
        bank.pictureSize = kStandardPicture;
    if (bank.kind == QuestionKind::Order)
        bank.pictureSize = kJunctionPicture;
    if (bank.kind == QuestionKind::Matching) {
        bank.pictureSize = kSignGrid;
        bank.secondSize = kMeaningList;
    }
    return bank;
}

} // namespace

std::span<const BankInfo> knownBanks() {
    static const auto banks = [] {
        std::array<BankInfo, kviz::kTestCount> banks;
        std::ranges::transform(kviz::testCatalogue(), banks.begin(), bankOf);
        return banks;
    }();
    return banks;
}

// A picture's number is that of the first question it is shown with.
std::string pictureFileName(const BankInfo& bank, int picture) {
    return kviz::pictureFileName(*bank.test, picture);
}

std::string secondPictureFileName(const BankInfo& bank, int picture) {
    return kviz::secondPictureFileName(*bank.test, picture);
}

std::string bankFilePath(const BankInfo& bank) {
    return std::string(bank.word) + "/" + std::string(kviz::kQuestionFolder) + "/" +
           std::string(bank.test->dataFile);
}

std::string pictureDirPath(const BankInfo& bank) {
    return std::string(bank.word) + "/" + std::string(kviz::kPictureFolder);
}

} // namespace bankgen
