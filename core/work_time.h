// Working-time arithmetic: whole working minutes from elapsed seconds, as the window shows them.
#pragma once

namespace kviz {

// Minutes shown for the seconds elapsed since the working clock started: the seconds are cut
// to whole seconds, then divided by 60 and rounded halves to even (30 s give 0, 31 give 1,
// 90 and 150 give 2).
int elapsedWorkMinutes(double elapsedSeconds);

// True when the limit, in minutes, has been reached.
bool workLimitReached(double elapsedSeconds, int limitMinutes);

} // namespace kviz
