// Draws a police officer regulating traffic, standing upright.
#pragma once

#include "scene.h"

#include <QPainter>
#include <QPointF>

namespace bankgen {

// Draws `officer` standing with his feet at `feet`; `height` is the height from his soles to
// the top of his cap. A raised arm reaches about 16% higher, arms held out span about the
// same as the height.
void paintOfficer(QPainter& painter, const Officer& officer, QPointF feet, double height,
                  bool night);

} // namespace bankgen
