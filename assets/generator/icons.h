#pragma once
#include <QImage>

// A white musical note on a teal disc, 128 x 128, transparent around the disc.
QImage DrawDefaultSingerPicture();
// A coral square with a magnifying glass cut out of it as transparent pixels.
QImage DrawSearchButtonSquare();
// A coral magnifying glass on a transparent ground.
QImage DrawSearchButtonGlass();
