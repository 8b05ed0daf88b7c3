// The grade of a run: p = the whole part of correct * 100 / answered; 90 or more passes.
#pragma once

#include <cstdint>
#include <string>

namespace kviz {

// Defined only while answered is not 0.
int passMark(std::int32_t answered, std::int32_t correct);
bool passes(int mark);

// "POLOZIO(" or "NIJE POLOZIO(", the mark and "%)".
std::string gradeWords(std::int32_t answered, std::int32_t correct);

// The header's grade label: "Ocena:" while nothing is counted, else "Ocena: " and the words.
std::string gradeLabel(std::int32_t answered, std::int32_t correct);

} // namespace kviz
