// Reader for the source of a sign-matching bank: tasks of fifteen signs, each to be matched
// with one meaning of a numbered list. The layout of the source is described at the top of
// sample_data/saobzn15.txt; in short:
//
//   task 1                  starts task 1; tasks are numbered 1, 2, 3, ... in order
//   meaning 1 Zabrana ...   the list of meanings, numbered 1, 2, 3, ... as it is shown
//   sign closed 1           fifteen signs in grid order, row by row, each with the number
//                           of its meaning
#pragma once

#include "scene.h"

#include <istream>
#include <string>
#include <vector>

namespace bankgen {

// A task lists at least as many meanings as it has signs, at most kMaxMeanings.
inline constexpr int kMinMeanings = kMatchingSigns;
// Longest meaning, so that the list stays readable in its columns.
inline constexpr std::size_t kMaxMeaningLength = 48;

struct SheetSign {
    std::string name; // as written in the source, e.g. "speed50"
    Sign sign;
    int meaning = 0; // number in the list of meanings
    int line = 0;    // source line
};

struct SignSheet {
    int number = 0;
    int line = 0;                      // line of the "task" keyword
    std::vector<std::string> meanings; // meaning n is meanings[n - 1]
    std::vector<SheetSign> signs;      // grid order, row by row
};

// Reads and checks every task. Throws BankError whose line() is the 1-based source line.
std::vector<SignSheet> parseSignSheets(std::istream& in);

// The answer keys of a task, one meaning number a box, ready for encodeBank.
std::vector<std::string> sheetKeys(const SignSheet& sheet);

} // namespace bankgen
