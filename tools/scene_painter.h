// Draws a traffic situation seen from above.
#pragma once

#include "scene.h"

#include <QImage>

namespace bankgen {

inline constexpr int kPictureWidth = 299;
inline constexpr int kPictureHeight = 300;

// Needs a QGuiApplication (text drawing uses the font database).
QImage renderScene(const Scene& scene);

} // namespace bankgen
