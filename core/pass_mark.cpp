#include "core/pass_mark.h"

#include <cmath>

namespace kviz {

int passMark(std::int32_t answered, std::int32_t correct) {
    double share = static_cast<double>(static_cast<std::int64_t>(correct) * 100) / answered;
    return static_cast<int>(std::floor(share));
}

bool passes(int mark) { return mark >= 90; }

std::string gradeWords(std::int32_t answered, std::int32_t correct) {
    int mark = passMark(answered, correct);
    return std::string(passes(mark) ? "POLOZIO(" : "NIJE POLOZIO(") + std::to_string(mark) + "%)";
}

std::string gradeLabel(std::int32_t answered, std::int32_t correct) {
    if (answered == 0)
        return "Ocena:";
    return "Ocena: " + gradeWords(answered, correct);
}

} // namespace kviz
