// The question banks this tool knows how to build. A bank is described by data only: adding a
// bank means adding a row to kBanks, its source file to sample_data/ and that file to
// SAMPLE_BANK_SOURCES in tools/CMakeLists.txt (so that the build notices when it changes).
#pragma once

#include "bank_format.h"
#include "scene.h"

#include <span>
#include <string>
#include <string_view>

namespace bankgen {

enum class PictureRule {
    None,       // the bank has no pictures
    PerPair,    // questions 2k-1 and 2k share picture 2k-1
    PerQuestion // every question has its own picture with its own number
};

struct BankInfo {
    std::string_view word;       // test word: output folder and bank file name
    std::string_view sourceFile; // readable source in the sample data folder
    Layout layout;               // record length and records per question
    QuestionKind kind;           // answers to choose from, an answer to type, or a passing order
    PictureRule pictures;
    std::string_view pictureSuffix; // picture file is <number><suffix>; empty without pictures
    PictureSize pictureSize;        // every picture of the bank; {0, 0} without pictures
    // A bank may show a second picture with each one, <number><secondSuffix>; empty and
    // {0, 0} if it does not.
    std::string_view secondSuffix;
    PictureSize secondSize;
};

std::span<const BankInfo> knownBanks();

// Picture number shown with question q (1-based), or 0 when the bank has no pictures.
int pictureForQuestion(PictureRule rule, int question);

std::string pictureFileName(const BankInfo& bank, int picture);
// The second picture shown with `picture`, or "" when the bank has none.
std::string secondPictureFileName(const BankInfo& bank, int picture);

// Relative paths inside the output folder. The bank file is <word>.pit, or <word>.odg for a
// bank of answer keys only (passing orders, sign matching).
std::string bankFilePath(const BankInfo& bank);
std::string pictureDirPath(const BankInfo& bank);

} // namespace bankgen
