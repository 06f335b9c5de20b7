#pragma once
// Decoding pictures from bytes and encoding them into the formats the imaging
// objects can write.
#include <QByteArray>
#include <QImage>

#include "platform/text.h"

namespace vexo {

// Decodes any picture format Qt reads (JPEG, PNG, BMP, GIF, ICO ...). A null
// image when the bytes are not a picture.
QImage DecodePicture(const QByteArray& bytes);

// Starts decoding `bytes` on a worker thread and returns at once; the next
// DecodePicture of the same bytes takes that result (waiting for it if it is
// not ready yet) instead of decoding again. For a large picture the program
// knows it will show: its decode runs beside the other start-up work.
void DecodePictureAhead(QByteArray bytes);

// The format (as Qt names it) of the encoder whose format identifier or MIME
// type equals `format` (identifiers compared without regard to case), or
// nullptr when no encoder matches.
const char* FindEncoder(const Text& format);

// Encodes `image` with the encoder `qt_format`; `quality` 0..100 for formats
// that take one, -1 for the encoder's default. False when encoding failed.
bool EncodePicture(const QImage& image, const char* qt_format, int quality, QByteArray* out);

// The pixel-format number of a Qt image format.
int PixelFormatOf(QImage::Format format);

// The picture in the form drawing is fastest with: premultiplied alpha when it
// has transparency, 32-bit RGB otherwise.
QImage ToDrawingFormat(QImage image);

}  // namespace vexo
