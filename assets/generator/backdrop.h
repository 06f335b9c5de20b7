#pragma once
#include <QImage>

// The window's background: a calm dusk sky over soft hills, 1600 x 900.
QImage DrawBackdrop();
