#pragma once
// The fixed numbers of the skinned child controls: their kinds, the drawing
// states, and the looks of buttons, sliders, edit boxes, lists and headers.
#include "skin/colour_ref.h"

namespace vexo::skin {

// Button kinds.
inline constexpr int kButtonKindPush = 0;
inline constexpr int kButtonKindImage = 1;
inline constexpr int kButtonKindImageFourState = 3;
inline constexpr int kButtonKindRadio = 4;
inline constexpr int kButtonKindCheck = 5;

// Drawing states of a button (the platform's owner-draw state bits).
inline constexpr int kStateSelected = 0x1;
inline constexpr int kStateDisabled = 0x4;
inline constexpr int kStateFocus = 0x10;
inline constexpr int kStateHot = 0x40;

// The kind of the window's hot control.
inline constexpr int kHotKindEdit = 1;
inline constexpr int kHotKindSlider = 2;
inline constexpr int kHotKindHeader = 9;

// List kinds.
inline constexpr int kListBox = 1;
inline constexpr int kListComboList = 2;
inline constexpr int kListView = 3;
inline constexpr int kListTreeView = 4;
inline constexpr int kListDateTime = 5;

// Slider tick placement.
inline constexpr int kTicksTop = 0;
inline constexpr int kTicksBottom = 1;
inline constexpr int kTicksBoth = 2;
inline constexpr int kTicksNone = 3;

// Text of buttons without a font of their own.
inline constexpr const char* kButtonFontUtf8 = "宋体";
inline constexpr float kButtonFontSize = 12;

// Push buttons.
inline constexpr int kFaceCorner = 5;
inline constexpr int kFaceAlpha = 120;
inline constexpr int kFaceShadeAlpha = 60;
inline constexpr int kGlossTopAlpha = 50;
inline constexpr int kGlossBottomAlpha = 10;
inline constexpr int kHotFillTopAlpha = 60;
inline constexpr int kHotFillBottomAlpha = 10;
inline constexpr ColorRef kFocusGlowColour = MakeColorRef(34, 202, 221);
inline constexpr int kFocusGlowAlpha = 120;
inline constexpr int kFocusGlowWidths[] = {1, 2, 3};
inline constexpr int kFocusOutlineAlpha = 70;
inline constexpr int kOutlineAlpha = 120;
inline constexpr int kPressedInset = 2;
inline constexpr int kPressedTopAlpha = 60;
inline constexpr int kPressedBottomAlpha = 100;
inline constexpr int kShadeGrey = 128;
inline constexpr int kTextTop = 2;
// Disabled buttons and check boxes.
inline constexpr ColorRef kDisabledSilver = MakeColorRef(192, 192, 192);
inline constexpr int kDisabledEdgeAlpha = 50;
inline constexpr int kDisabledMiddleAlpha = 10;
inline constexpr float kDisabledMiddleAt = 0.6F;
inline constexpr int kDisabledOutlineAlpha = 80;

// Check boxes and radio buttons.
inline constexpr int kGlyphSize = 13;
inline constexpr int kGlyphTextGap = 17;
inline constexpr int kGlyphTextReserve = 19;
inline constexpr int kGlyphHotAlpha = 100;
inline constexpr int kGlyphHotStartX = 3;
inline constexpr int kGlyphHotSpanX = 8;
inline constexpr int kGlyphHotSpanY = 11;
inline constexpr int kGlyphRingAlpha = 30;
inline constexpr int kGlyphRingWidths[] = {1, 2};
inline constexpr int kRadioDot = 5;
inline constexpr int kRadioFillAlpha = 200;
inline constexpr int kRadioOutlineAlpha = 120;

// Sliders.
inline constexpr int kSliderCorner = 5;
inline constexpr int kSliderInnerCorner = 3;
inline constexpr int kSliderOutlineAlpha = 30;
inline constexpr int kSliderBackdropTopAlpha = 160;
inline constexpr int kSliderBackdropBottomAlpha = 30;
inline constexpr int kChannelThickness = 4;
inline constexpr int kChannelCorner = 1;
inline constexpr int kChannelTopAlpha = 50;
inline constexpr int kChannelBottomAlpha = 30;
inline constexpr int kKnobHotSize = 11;
inline constexpr int kKnobSize = 4;
inline constexpr float kKnobHotRise = 4;
inline constexpr float kKnobRise = 0.5F;
inline constexpr int kKnobShiftTicksTop = 2;
inline constexpr int kKnobShiftTicksBoth = 1;
inline constexpr int kKnobAtMaximumShift = 8;
inline constexpr int kKnobShadeAlpha = 90;
inline constexpr int kKnobOutlineAlpha = 50;
inline constexpr int kPlayedAlpha = 200;
inline constexpr int kPlayedAtMaximumExtra = 10;

// Edit boxes and lists: the ring around their content.
inline constexpr int kEditRingWidth = 2;
inline constexpr int kEditLineAlpha = 180;
inline constexpr int kEditIdleAlpha = 80;
inline constexpr int kListLineAlpha = 200;
inline constexpr int kListIdleAlpha = 90;
inline constexpr int kHotLineWidth = 2;

// List headers.
inline constexpr int kHeaderMargin = 6;
inline constexpr int kHeaderButtonTopAlpha = 80;
inline constexpr int kHeaderButtonBottomAlpha = 120;
inline constexpr int kHeaderTopAlpha = 60;
inline constexpr int kHeaderBottomAlpha = 10;
inline constexpr int kHeaderHotTopAlpha = 60;
inline constexpr int kHeaderHotBottomAlpha = 30;
inline constexpr int kHeaderPressedTopAlpha = 30;
inline constexpr int kHeaderPressedBottomAlpha = 120;
inline constexpr int kHeaderSeparatorTopAlpha = 60;
inline constexpr int kHeaderSeparatorBottomAlpha = 50;

}  // namespace vexo::skin
