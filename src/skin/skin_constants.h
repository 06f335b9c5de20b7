#pragma once
// The skin engine's fixed numbers: caption geometry, default settings, the
// hover animation and the painters' colours.
#include "skin/colour_ref.h"

namespace vexo::skin {

// Caption bar and caption-button strip.
inline constexpr int kMinCaptionHeight = 25;
inline constexpr int kCaptionMargin = 3;
inline constexpr int kStripHeight = 22;
inline constexpr int kStripExtraWidth = 3;
inline constexpr int kButtonGap = 1;
inline constexpr int kButtonPitch = 27;
inline constexpr int kButtonWidth = 26;
inline constexpr int kButtonHeight = 18;
inline constexpr int kCloseButtonWidth = 38;
inline constexpr int kCloseHitWidth = 40;
inline constexpr int kHitInset = 2;

// Caption-button kinds.
inline constexpr int kKindClose = 0;
inline constexpr int kKindMaximize = 1;
inline constexpr int kKindMinimize = 2;
inline constexpr int kKindMenu = 3;
inline constexpr int kKindHelp = 4;
inline constexpr int kKindCustom = 5;

// Engine-wide defaults.
inline constexpr ColorRef kDefaultThemeColour = MakeColorRef(34, 202, 221);
inline constexpr int kDefaultVeilAlpha = 160;
inline constexpr int kDefaultSliderOption = 1;
inline constexpr int kDefaultLayoutMode = 0;
inline constexpr int kLayoutModeWhenNotGiven = 4;
inline constexpr int kLayoutTopLeft = 0;
inline constexpr int kLayoutTopRight = 1;
inline constexpr int kLayoutCentred = 2;
inline constexpr int kLayoutStretched = 3;
inline constexpr int kLayoutMirroredRow = 4;
inline constexpr long long kThemeFollowsSkin = -1;

// Pictures.
inline constexpr int kMeanColourSamples = 2000;
inline constexpr double kEdgeFadeBand = 0.3;

// Window record defaults.
inline constexpr int kSmallestWidth = 200;
inline constexpr int kSmallestHeight = 150;
inline constexpr int kEdgeZone = 10;
inline constexpr const char* kTitleFontUtf8 = "宋体";
inline constexpr float kTitleFontSize = 12;
inline constexpr float kTitleFontSizeUnset = 13;
inline constexpr int kTitleFontStyle = 1;  // bold
inline constexpr ColorRef kTitleColour = MakeColorRef(255, 255, 255);
inline constexpr ColorRef kTitleGlowColour = MakeColorRef(128, 128, 128);
inline constexpr int kTitleGlowAlpha = 150;
inline constexpr int kTitleIconX = 9;
inline constexpr int kTitleIconY = 5;
inline constexpr int kTitleIconSize = 17;
inline constexpr int kTitleTextOffset = 20;
inline constexpr int kTitleAreaHeight = 32;
inline constexpr int kTitleAreaLeft = kCaptionMargin + 6;
inline constexpr int kTitleAreaTop = kCaptionMargin + 5;
inline constexpr int kTitleAreaWidthReserve = 10;

// Window shape, backdrop and border.
inline constexpr int kWindowCornerEllipse = 5;
inline constexpr int kBackdropCorner = 4;
inline constexpr int kBorderOuterCorner = 7;
inline constexpr int kBorderInnerCorner = 6;
inline constexpr int kBorderAlpha = 180;
inline constexpr int kTopGlossAlpha = 150;
inline constexpr int kRoundedMin = 1;
inline constexpr int kRoundedMax = 100;

// Caption buttons: looks and the hover animation.
inline constexpr int kHoverPeriodMs = 20;
inline constexpr int kHoverSteps = 8;
inline constexpr int kHoverAlphaStep = 30;
inline constexpr int kHoverAlphaFull = kHoverSteps * kHoverAlphaStep;
inline constexpr int kCloseCorner = 5;
inline constexpr int kPressedCloseEndAlpha = 30;
inline constexpr int kPressedStartAlpha = 80;
inline constexpr int kPressedEndAlpha = 5;
inline constexpr int kButtonGlossAlpha = 50;
inline constexpr int kHoverShadeDivisor = 5;
inline constexpr double kHoverOutlineShare = 0.8;
inline constexpr int kFirstSeparatorAlpha = 100;
inline constexpr int kSeparatorAlpha = 60;
inline constexpr int kSeparatorBottomInset = 4;
inline constexpr ColorRef kCloseHoverColour = MakeColorRef(255, 0, 0);

// The bottom bar (not used by the player): a dark milky strip with a light
// line along its top; items are laid out with a small gap.
inline constexpr ColorRef kBottomBarFillColour = MakeColorRef(0, 0, 0);
inline constexpr int kBottomBarFillAlpha = 40;
inline constexpr int kBottomBarLineAlpha = 60;
inline constexpr int kBottomBarGap = 4;

// Containers and group boxes.
inline constexpr int kContainerDefaultStyle = 1;
inline constexpr int kContainerDefaultAlpha = 255;
inline constexpr int kGroupFrameTop = 5;
inline constexpr int kGroupCorner = 5;
inline constexpr int kGroupInnerCorner = 3;
inline constexpr int kGroupOuterAlpha = 40;
inline constexpr int kGroupInnerAlpha = 90;
inline constexpr int kFrameInnerAlpha = 100;
inline constexpr int kGroupTitleMargin = 10;
inline constexpr int kGroupTitleExtraHeight = 3;
inline constexpr int kGroupTintOffset = 4;
inline constexpr int kStyleAlignLeft = 0x100;
inline constexpr int kStyleAlignRight = 0x200;
inline constexpr int kStyleAlignCentre = 0x300;
inline constexpr int kScrollBarSize = 17;

// Where a picture cannot cover the shape: the colour outside the rounded corners.
inline constexpr unsigned kOutsideShapeArgb = 0xFFFF00FF;
// The same where the window is translucent instead of masked.
inline constexpr unsigned kOutsideShapeTransparent = 0x00000000;

}  // namespace vexo::skin
