// The question banks this tool builds: one for each row of the test catalogue (core/catalogue.h),
// which says where the trainer looks for a bank, how its records are laid out and how its
// pictures are named. What the builder adds is read from the row too: the kind of question the
// source holds and the size the pictures are drawn at. Adding a bank means adding a row to the
// catalogue and its source, <word>.txt, to sample_data/.
#pragma once

#include "bank_format.h"
#include "core/catalogue.h"
#include "scene.h"

#include <span>
#include <string>
#include <string_view>

namespace bankgen {

using kviz::pictureForQuestion;
using kviz::PictureRule;

// A bank as the builder sees its row of the catalogue.
struct BankInfo {
    const kviz::TestDescriptor* test = nullptr;
    // The row's own values.
    std::string_view word; // test word: output folder
    Layout layout;         // record length and records per question
    PictureRule pictures = PictureRule::None;
    std::string_view secondSuffix; // the second picture shown with each one; empty if none
    // What the builder derives from the row.
    std::string sourceFile; // readable source in the sample data folder
    QuestionKind kind = QuestionKind::Choice;
    PictureSize pictureSize; // every picture of the bank; {0, 0} without pictures
    PictureSize secondSize;  // every second picture; {0, 0} without them
};

// The banks in the order of the catalogue.
std::span<const BankInfo> knownBanks();

std::string pictureFileName(const BankInfo& bank, int picture);
// The second picture shown with `picture`, or "" when the bank has none.
std::string secondPictureFileName(const BankInfo& bank, int picture);

// Relative paths inside the output folder.
std::string bankFilePath(const BankInfo& bank);
std::string pictureDirPath(const BankInfo& bank);

} // namespace bankgen
