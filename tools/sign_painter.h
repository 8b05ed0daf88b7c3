// Draws traffic signs in their real shapes and colours, at any size.
#pragma once

#include "scene.h"

#include <QPainter>
#include <QPointF>

namespace bankgen {

// Draws `sign` centred on `centre`. `radius` is half the height of the sign face: the radius
// of a round sign, half the side of a square one.
void paintSign(QPainter& painter, const Sign& sign, QPointF centre, double radius);

} // namespace bankgen
