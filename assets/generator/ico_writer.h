#pragma once
// Writing an icon file with one 32-bit image.
#include <QByteArray>
#include <QImage>

// The icon file bytes: directory, one entry, a bottom-up BGRA bitmap and its
// 1-bit transparency mask.
QByteArray WriteIco(const QImage& image);
