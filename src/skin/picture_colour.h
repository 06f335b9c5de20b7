#pragma once
// What the skin derives from a picture: its mean colour from a fixed random
// sample, and the edge-faded copy used by layout modes 0 and 1.
#include <random>

#include "imaging/image.h"
#include "platform/text.h"
#include "skin/colour_ref.h"

namespace vexo::skin {

// The mean of `samples` random pixels among the last `columnMargin` columns
// and `rowMargin` rows (all of them when a margin is below 1), alpha dropped.
// A picture that does not decode gives black.
ColorRef MeanColour(const ImgImage& picture, std::mt19937& random, int samples,
                    int columnMargin = 0, int rowMargin = 0);
ColorRef MeanColourOfBytes(const ByteSet& bytes, std::mt19937& random, int samples);

// The picture with a band of 0.3 x its width faded into `skin` along its left
// edge (mode 1) or right edge (mode 0), and along its bottom, encoded as PNG.
// Empty when the picture does not decode.
ByteSet EdgeFadedPicture(const ImgImage& picture, ColorRef skin, int layoutMode);

}  // namespace vexo::skin
