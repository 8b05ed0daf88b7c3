#include "core/work_time.h"

#include "platform/basic.h"

#include <algorithm>
#include <cmath>

namespace kviz {

int elapsedWorkMinutes(double elapsedSeconds) {
    const double seconds = std::floor(std::max(elapsedSeconds, 0.0));
    const double minutes = basic::roundHalfEven(seconds / 60.0);
    return static_cast<int>(std::min(minutes, 32767.0));
}

bool workLimitReached(double elapsedSeconds, int limitMinutes) {
    return elapsedSeconds >= static_cast<double>(limitMinutes) * 60.0;
}

} // namespace kviz
