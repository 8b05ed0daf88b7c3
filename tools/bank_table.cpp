#include "bank_table.h"

#include <array>

namespace bankgen {

namespace {

constexpr auto kChoice = QuestionKind::Choice;
constexpr auto kCloze = QuestionKind::Cloze;

constexpr std::array kBanks{
    BankInfo{"ssitabcd", "ssitabcd.txt", Layout{33, 16}, kChoice, PictureRule::PerPair, "ssit.JPG"},
    BankInfo{"znovlica", "znovlica.txt", Layout{33, 16}, kChoice, PictureRule::PerQuestion,
             "zovl.JPG"},
    BankInfo{"slsaobzn", "slsaobzn.txt", Layout{33, 16}, kChoice, PictureRule::PerQuestion,
             "sszn.JPG"},
    BankInfo{"suvaabcd", "suvaabcd.txt", Layout{73, 13}, kChoice, PictureRule::None, ""},
    BankInfo{"ppomabcd", "ppomabcd.txt", Layout{73, 13}, kChoice, PictureRule::None, ""},
    BankInfo{"suvaodg", "suvaodg.txt", Layout{73, 13}, kCloze, PictureRule::None, ""},
    BankInfo{"ppomodg", "ppomodg.txt", Layout{73, 13}, kCloze, PictureRule::None, ""},
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
    return std::string(bank.word) + "/pitiodg/" + std::string(bank.word) + ".pit";
}

std::string pictureDirPath(const BankInfo& bank) { return std::string(bank.word) + "/JPGSLIKE"; }

} // namespace bankgen
