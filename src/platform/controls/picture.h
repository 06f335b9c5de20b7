#pragma once
// Decoding a picture held as a byte set (JPEG, PNG, GIF, ICO, BMP ...).
#include <QImage>

#include "platform/text.h"

namespace vexo {

// The picture's first frame; a null image when the bytes are empty or do not
// decode.
QImage DecodePicture(const ByteSet& bytes);

// True when the bytes hold a picture of more than one frame.
bool IsAnimatedPicture(const ByteSet& bytes);

}  // namespace vexo
