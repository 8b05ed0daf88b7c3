// Draws a traffic situation seen from above, a street or a sign.
#pragma once

#include "scene.h"

#include <QImage>

#include <string>
#include <vector>

namespace bankgen {

// Needs a QGuiApplication (text drawing uses the font database). A map picture (junction,
// roundabout, road) may have any size, its centre in the middle; a street or a closeup is
// drawn only at kStandardPicture (std::invalid_argument otherwise).
QImage renderScene(const Scene& scene, PictureSize size = kStandardPicture);

// What the edge of a map picture of the given size would cut: "vehicle 3", "sign on north",
// "plate on west", "light on east". Empty for a picture that is no map.
std::vector<std::string> partsOutside(const Scene& scene, PictureSize size);

} // namespace bankgen
