#pragma once
// The numbered settings the imaging operations take, with the values the
// platform's imaging library gives them (the skin engine passes these numbers).
#include <cstdint>

namespace vexo {

// A colour as 0xAARRGGBB.
using Argb = std::uint32_t;

inline constexpr Argb MakeArgb(int a, int r, int g, int b) {
  return (static_cast<Argb>(a & 0xFF) << 24) | (static_cast<Argb>(r & 0xFF) << 16) |
         (static_cast<Argb>(g & 0xFF) << 8) | static_cast<Argb>(b & 0xFF);
}
inline constexpr int ArgbAlpha(Argb c) {
  return static_cast<int>((c >> 24) & 0xFF);
}
inline constexpr int ArgbRed(Argb c) {
  return static_cast<int>((c >> 16) & 0xFF);
}
inline constexpr int ArgbGreen(Argb c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
inline constexpr int ArgbBlue(Argb c) {
  return static_cast<int>(c & 0xFF);
}

enum ImgSmoothingMode : int {
  kSmoothingModeDefault = 0,
  kSmoothingModeHighSpeed = 1,
  kSmoothingModeHighQuality = 2,
  kSmoothingModeNone = 3,
  kSmoothingModeAntiAlias = 4,
  kSmoothingModeAntiAlias8x4 = 4,
  kSmoothingModeAntiAlias8x8 = 5,
};

enum ImgPixelOffsetMode : int {
  kPixelOffsetModeDefault = 0,
  kPixelOffsetModeHighSpeed = 1,
  kPixelOffsetModeHighQuality = 2,
  kPixelOffsetModeNone = 3,
  kPixelOffsetModeHalf = 4,
};

enum ImgInterpolationMode : int {
  kInterpolationModeDefault = 0,
  kInterpolationModeLowQuality = 1,
  kInterpolationModeHighQuality = 2,
  kInterpolationModeBilinear = 3,
  kInterpolationModeBicubic = 4,
  kInterpolationModeNearestNeighbor = 5,
  kInterpolationModeHighQualityBilinear = 6,
  kInterpolationModeHighQualityBicubic = 7,
};

enum ImgCompositingMode : int {
  kCompositingModeSourceOver = 0,
  kCompositingModeSourceCopy = 1,
};

enum ImgCompositingQuality : int {
  kCompositingQualityDefault = 0,
  kCompositingQualityHighSpeed = 1,
  kCompositingQualityHighQuality = 2,
  kCompositingQualityGammaCorrected = 3,
  kCompositingQualityAssumeLinear = 4,
};

enum ImgTextRenderingHint : int {
  kTextRenderingHintSystemDefault = 0,
  kTextRenderingHintSingleBitPerPixelGridFit = 1,
  kTextRenderingHintSingleBitPerPixel = 2,
  kTextRenderingHintAntiAliasGridFit = 3,
  kTextRenderingHintAntiAlias = 4,
  kTextRenderingHintClearTypeGridFit = 5,
};

// How a new clip combines with the current one.
enum ImgCombineMode : int {
  kCombineModeReplace = 0,
  kCombineModeIntersect = 1,
  kCombineModeUnion = 2,
  kCombineModeXor = 3,
  kCombineModeExclude = 4,
  kCombineModeComplement = 5,
};

// The order in which a transform step joins the current transform.
enum ImgMatrixOrder : int {
  kMatrixOrderPrepend = 0,
  kMatrixOrderAppend = 1,
};

enum ImgFillMode : int {
  kFillModeAlternate = 0,
  kFillModeWinding = 1,
};

enum ImgWrapMode : int {
  kWrapModeTile = 0,
  kWrapModeTileFlipX = 1,
  kWrapModeTileFlipY = 2,
  kWrapModeTileFlipXY = 3,
  kWrapModeClamp = 4,
};

enum ImgLinearGradientMode : int {
  kLinearGradientModeHorizontal = 0,
  kLinearGradientModeVertical = 1,
  kLinearGradientModeForwardDiagonal = 2,
  kLinearGradientModeBackwardDiagonal = 3,
};

enum ImgBrushType : int {
  kBrushTypeSolidColor = 0,
  kBrushTypeHatchFill = 1,
  kBrushTypeTextureFill = 2,
  kBrushTypePathGradient = 3,
  kBrushTypeLinearGradient = 4,
};

enum ImgUnit : int {
  kUnitWorld = 0,
  kUnitDisplay = 1,
  kUnitPixel = 2,
  kUnitPoint = 3,
  kUnitInch = 4,
  kUnitDocument = 5,
  kUnitMillimeter = 6,
};

// Font style bits.
enum ImgFontStyle : int {
  kFontStyleRegular = 0,
  kFontStyleBold = 1,
  kFontStyleItalic = 2,
  kFontStyleBoldItalic = 3,
  kFontStyleUnderline = 4,
  kFontStyleStrikeout = 8,
};

enum ImgStringAlignment : int {
  kStringAlignmentNear = 0,
  kStringAlignmentCenter = 1,
  kStringAlignmentFar = 2,
};

enum ImgStringTrimming : int {
  kStringTrimmingNone = 0,
  kStringTrimmingCharacter = 1,
  kStringTrimmingWord = 2,
  kStringTrimmingEllipsisCharacter = 3,
  kStringTrimmingEllipsisWord = 4,
  kStringTrimmingEllipsisPath = 5,
};

// String format flag bits.
enum ImgStringFormatFlags : int {
  kStringFormatFlagsDirectionRightToLeft = 0x0001,
  kStringFormatFlagsDirectionVertical = 0x0002,
  kStringFormatFlagsNoFitBlackBox = 0x0004,
  kStringFormatFlagsDisplayFormatControl = 0x0020,
  kStringFormatFlagsNoFontFallback = 0x0400,
  kStringFormatFlagsMeasureTrailingSpaces = 0x0800,
  kStringFormatFlagsNoWrap = 0x1000,
  kStringFormatFlagsLineLimit = 0x2000,
  kStringFormatFlagsNoClip = 0x4000,
};

// Pixel formats of bitmaps.
enum ImgPixelFormat : int {
  kPixelFormatUndefined = 0,
  kPixelFormat8bppIndexed = 0x00030803,
  kPixelFormat16bppRGB565 = 0x00021005,
  kPixelFormat24bppRGB = 0x00021808,
  kPixelFormat32bppRGB = 0x00022009,
  kPixelFormat32bppARGB = 0x0026200A,
  kPixelFormat32bppPARGB = 0x000E200B,
};

enum ImgRotateFlipType : int {
  kRotateNoneFlipNone = 0,
  kRotate90FlipNone = 1,
  kRotate180FlipNone = 2,
  kRotate270FlipNone = 3,
  kRotateNoneFlipX = 4,
  kRotate90FlipX = 5,
  kRotate180FlipX = 6,
  kRotate270FlipX = 7,
  kRotateNoneFlipY = kRotate180FlipX,
  kRotate180FlipXY = kRotateNoneFlipNone,
};

}  // namespace vexo
