// Draws the two pictures of a sign-matching task: the fifteen signs in a grid and the
// numbered list of meanings.
#pragma once

#include "scene.h"
#include "sign_sheet.h"

#include <QImage>
#include <QPointF>

namespace bankgen {

// The grid has three rows of five signs; sign `box` (0-based, row by row) is drawn centred here,
// to the right of the answer box the window lays at the left of its column.
QPointF signGridCentre(int box);
inline constexpr double kGridSignRadius = 15;

QImage renderSignGrid(const SignSheet& sheet, PictureSize size);

// The meanings "1 - ...", "2 - ..." top to bottom in two columns, three for a long list.
// Throws BankError (line() is the meaning's task line) when a meaning does not fit its column.
QImage renderMeaningList(const SignSheet& sheet, PictureSize size);

} // namespace bankgen
