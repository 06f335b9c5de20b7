#pragma once
#include <QImage>

// A white musical note on a teal disc, size x size, transparent around the
// disc: the picture box's default picture and the player's icon.
QImage DrawNoteDisc(int size);
// The note on the disc at 128 x 128.
QImage DrawDefaultSingerPicture();
// A coral square with a magnifying glass cut out of it as transparent pixels.
QImage DrawSearchButtonSquare();
// A coral magnifying glass on a transparent ground.
QImage DrawSearchButtonGlass();
