#pragma once
// The pictures built into the program, as the image files themselves.
#include <iterator>

#include "platform/text.h"

namespace vexo::assets {

// The window's background picture: a baseline JPEG, 1600 x 900.
const ByteSet& BackgroundPicture();
// The picture box's default picture: an icon file, one 128 x 128 image at 32 bpp.
const ByteSet& DefaultSingerPicture();
// The search button's two pictures: icon files, one 24 x 24 image at 32 bpp each.
const ByteSet& SearchButtonPicture1();
const ByteSet& SearchButtonPicture2();
// The skin's caption-button pictures: PNG, 26 x 18 (the close button 38 x 18);
// the maximize button shows the restore picture while the window is maximized.
const ByteSet& CaptionMinimizePicture();
const ByteSet& CaptionMaximizePicture();
const ByteSet& CaptionRestorePicture();
const ByteSet& CaptionClosePicture();
const ByteSet& CaptionHelpPicture();
const ByteSet& CaptionMenuPicture();
// The icon at the left of every caption bar: an icon file, one 32 x 32 image.
const ByteSet& CaptionIcon();
// The skin's check-box glyphs: PNG, 13 x 13, the square and the tick drawn
// over it when the box is ticked.
const ByteSet& CheckBoxSquarePicture();
const ByteSet& CheckMarkPicture();
// The same drawn at twice the size (26 x 26), for screens of device pixel
// ratio 2 and above.
const ByteSet& CheckBoxSquarePicture2x();
const ByteSet& CheckMarkPicture2x();

}  // namespace vexo::assets
