#pragma once
// The skin's check-box glyphs, 13 x 13 at `scale` 1 (or 26 x 26 at 2 ...):
// the square the box shows, and the tick drawn over it when ticked.
#include <QImage>

QImage DrawCheckBoxSquare(int scale = 1);
QImage DrawCheckMark(int scale = 1);
