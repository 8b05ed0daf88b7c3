#include "bank_table.h"

#include <array>

namespace bankgen {

namespace {

constexpr auto kChoice = QuestionKind::Choice;
constexpr auto kCloze = QuestionKind::Cloze;
constexpr auto kOrder = QuestionKind::Order;
constexpr auto kMatching = QuestionKind::Matching;
constexpr PictureSize kNoPictures{0, 0};
// The junction pictures are shown in a larger, landscape frame.
constexpr PictureSize kJunctionPicture{489, 257};
// A fifteen-signs task: the signs in three rows of five, and the numbered list of meanings.
constexpr PictureSize kSignGrid{609, 157};
constexpr PictureSize kMeaningList{609, 152};

constexpr std::array kBanks{
    BankInfo{"ssitabcd", "ssitabcd.txt", Layout{33, 16}, kChoice, PictureRule::PerPair, "ssit.JPG",
             kStandardPicture, "", kNoPictures},
    BankInfo{"znovlica", "znovlica.txt", Layout{33, 16}, kChoice, PictureRule::PerQuestion,
             "zovl.JPG", kStandardPicture, "", kNoPictures},
    BankInfo{"slsaobzn", "slsaobzn.txt", Layout{33, 16}, kChoice, PictureRule::PerQuestion,
             "sszn.JPG", kStandardPicture, "", kNoPictures},
    BankInfo{"suvaabcd", "suvaabcd.txt", Layout{73, 13}, kChoice, PictureRule::None, "",
             kNoPictures, "", kNoPictures},
    BankInfo{"ppomabcd", "ppomabcd.txt", Layout{73, 13}, kChoice, PictureRule::None, "",
             kNoPictures, "", kNoPictures},
    BankInfo{"suvaodg", "suvaodg.txt", Layout{73, 13}, kCloze, PictureRule::None, "", kNoPictures,
             "", kNoPictures},
    BankInfo{"ppomodg", "ppomodg.txt", Layout{73, 13}, kCloze, PictureRule::None, "", kNoPictures,
             "", kNoPictures},
    // One digit a box, eight boxes a question.
    BankInfo{"raskrsn", "raskrsn.txt", Layout{5, 8}, kOrder, PictureRule::PerQuestion, "rask.JPG",
             kJunctionPicture, "", kNoPictures},
    // Fifteen boxes of a meaning number each, five spare records.
    BankInfo{"saobzn15", "saobzn15.txt", Layout{5, 20}, kMatching, PictureRule::PerQuestion,
             "sz15.JPG", kSignGrid, "tz15.JPG", kMeaningList},
};

} // namespace

std::span<const BankInfo> knownBanks() { return kBanks; }

int pictureForQuestion(PictureRule rule, int question) {
    switch (rule) {
    case PictureRule::None:
        return 0;
    case PictureRule::PerPair:
        return question % 2 == 1 ? question : question - 1;
    case PictureRule::PerQuestion:
        return question;
    }
    return 0;
}

std::string pictureFileName(const BankInfo& bank, int picture) {
    return std::to_string(picture) + std::string(bank.pictureSuffix);
}

std::string secondPictureFileName(const BankInfo& bank, int picture) {
    if (bank.secondSuffix.empty())
        return "";
    return std::to_string(picture) + std::string(bank.secondSuffix);
}

std::string bankFilePath(const BankInfo& bank) {
    // A passing-order or sign-matching bank holds only answer keys, kept in an .odg file.
    const bool keysOnly = bank.kind == QuestionKind::Order || bank.kind == QuestionKind::Matching;
    const char* extension = keysOnly ? ".odg" : ".pit";
    return std::string(bank.word) + "/pitiodg/" + std::string(bank.word) + extension;
}

std::string pictureDirPath(const BankInfo& bank) { return std::string(bank.word) + "/JPGSLIKE"; }

} // namespace bankgen
