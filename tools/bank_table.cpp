#include "bank_table.h"

#include <array>

namespace bankgen {

namespace {

constexpr auto kChoice = QuestionKind::Choice;
constexpr auto kCloze = QuestionKind::Cloze;
constexpr auto kOrder = QuestionKind::Order;
constexpr PictureSize kNoPictures{0, 0};
// The junction pictures are shown in a larger, landscape frame.
constexpr PictureSize kJunctionPicture{489, 257};

constexpr std::array kBanks{
    BankInfo{"ssitabcd", "ssitabcd.txt", Layout{33, 16}, kChoice, PictureRule::PerPair, "ssit.JPG",
             kStandardPicture},
    BankInfo{"znovlica", "znovlica.txt", Layout{33, 16}, kChoice, PictureRule::PerQuestion,
             "zovl.JPG", kStandardPicture},
    BankInfo{"slsaobzn", "slsaobzn.txt", Layout{33, 16}, kChoice, PictureRule::PerQuestion,
             "sszn.JPG", kStandardPicture},
    BankInfo{"suvaabcd", "suvaabcd.txt", Layout{73, 13}, kChoice, PictureRule::None, "",
             kNoPictures},
    BankInfo{"ppomabcd", "ppomabcd.txt", Layout{73, 13}, kChoice, PictureRule::None, "",
             kNoPictures},
    BankInfo{"suvaodg", "suvaodg.txt", Layout{73, 13}, kCloze, PictureRule::None, "", kNoPictures},
    BankInfo{"ppomodg", "ppomodg.txt", Layout{73, 13}, kCloze, PictureRule::None, "", kNoPictures},
    // One digit a box, eight boxes a question.
    BankInfo{"raskrsn", "raskrsn.txt", Layout{5, 8}, kOrder, PictureRule::PerQuestion, "rask.JPG",
             kJunctionPicture},
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

std::string bankFilePath(const BankInfo& bank) {
    // A passing-order bank holds only answer keys, kept in an .odg file.
    const char* extension = bank.kind == QuestionKind::Order ? ".odg" : ".pit";
    return std::string(bank.word) + "/pitiodg/" + std::string(bank.word) + extension;
}

std::string pictureDirPath(const BankInfo& bank) { return std::string(bank.word) + "/JPGSLIKE"; }

} // namespace bankgen
