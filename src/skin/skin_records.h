#pragma once
// What the skin engine keeps per skinned window, per caption button, per
// see-through control and per container.
#include <QImage>
#include <QPointer>
#include <QRectF>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "imaging/bitmap.h"
#include "imaging/tooltip_window.h"
#include "platform/text.h"
#include "skin/colour_ref.h"
#include "skin/control_changes.h"
#include "skin/control_records.h"
#include "skin/skin_constants.h"

class QTimer;

namespace vexo {

struct CaptionButton {
  int width = skin::kButtonWidth;
  int height = skin::kButtonHeight;
  ByteSet image;
  ByteSet alternateImage;  // maximize button: the restore glyph
  ImgBitmap picture;       // `image` decoded
  ImgBitmap alternatePicture;
  int kind = skin::kKindCustom;
  Text tooltip;
  std::function<void()> handler;  // custom buttons
  QRectF hit;
};

// One item of the bottom bar (not used by the player): a text, an optional
// picture and a value.
struct BottomBarItem {
  Text text;
  ByteSet image;
  int value = 0;
  QRectF rect;
};

// A control made see-through with MakeTransparent.
struct OverlayRecord {
  QPointer<QWidget> control;
  ColorRef keyColour = 0;
};

// A control the engine paints (or supplies backgrounds through).
struct ContainerRecord {
  QPointer<QWidget> control;
  ColorRef fillColour = 0;
  int fillAlpha = skin::kContainerDefaultAlpha;  // low byte only
  bool frameLines = false;
  bool fullRender = true;
  bool groupBox = false;
  int paintStyle = skin::kContainerDefaultStyle;
  Text titleFont;
  float titleSize = 0;
  int titleStyle = 0;
};

struct WindowRecord {
  QPointer<QWidget> window;
  QWidget* key = nullptr;  // the window's address, kept after it is gone
  int captionHeight = skin::kMinCaptionHeight;
  bool hasHelp = false;
  bool hasMenu = false;
  bool hasMinimize = false;
  bool hasMaximize = false;
  bool hasClose = true;
  bool frameDrawn = true;
  bool titleShown = true;
  bool topGloss = false;
  bool resizable = true;

  ByteSet ownPicture;
  ImgBitmap ownDecoded;
  ColorRef ownColour = 0;
  int layoutMode = 0;

  std::vector<CaptionButton> buttons;
  int stripX = 0;
  int stripY = 0;
  int stripWidth = 0;
  int stripHeight = skin::kStripHeight;

  Text titleFont;
  float titleSize = skin::kTitleFontSize;
  int titleStyle = skin::kTitleFontStyle;
  ColorRef titleColour = skin::kTitleColour;
  ColorRef glowColour = skin::kTitleGlowColour;

  QSize largest;
  QSize smallest{skin::kSmallestWidth, skin::kSmallestHeight};
  std::function<void()> helpHandler;
  std::function<void()> menuHandler;

  bool maximized = false;
  bool suspended = false;
  bool fullRepaint = true;
  // The window's corners are made see-through by a translucent background
  // (where the platform does not show window masks, Wayland) instead of a mask.
  bool translucentShape = false;

  ImgBitmap cache;  // the finished client-area image
  // The image before the caption buttons and title were drawn (with the
  // bottom bar's strip and items): what changed buttons and items redraw over.
  ImgBitmap cleanCaption;
  std::unique_ptr<TooltipWindow> tooltip;

  // Mouse and hover animation.
  bool tracking = false;
  bool timerRunning = false;
  bool timerWanted = false;
  int previousHot = 0;
  int fadeIn = 0;
  int fadeInStep = 0;
  int fadeOut = 0;
  int fadeOutStep = 0;
  std::unique_ptr<QTimer> hoverTimer;
  bool dragging = false;
  QPoint dragOffset;

  int bottomBarHeight = 0;
  std::vector<BottomBarItem> bottomBarItems;
  QRect bottomBar;
  ColorRef bottomBarTextColour = skin::kTitleColour;
  ColorRef bottomBarFillColour = skin::kBottomBarFillColour;
  int bottomBarFillAlpha = skin::kBottomBarFillAlpha;
  Text bottomBarFont;
  float bottomBarFontSize = skin::kTitleFontSize;
  int bottomBarFontStyle = 0;

  std::vector<OverlayRecord> overlays;
  std::vector<ContainerRecord> containers;
  std::vector<QPointer<QWidget>> dockedChildren;

  // Skinned child controls, one list per kind, and which of them is hot.
  std::vector<ButtonRecord> pushButtons;
  std::vector<EditRecord> edits;
  std::vector<ComboRecord> combos;
  std::vector<SliderRecord> sliders;
  std::vector<PlainRecord> progressBars;
  std::vector<ListRecord> lists;
  std::vector<PlainRecord> upDowns;
  std::vector<HeaderRecord> headers;
  HotControl hot;

  // What the engine changed on the controls, given back at its end.
  ControlChanges changes;
  std::vector<QMetaObject::Connection> connections;  // undone when the engine goes

  // How often the cached image was rebuilt (benchmarks and tests read it).
  int renderCount = 0;
  std::unique_ptr<QObject> filter;
};

// The optional arguments of SkinWindow; a value that is not given takes the
// default the engine documents.
struct SkinWindowOptions {
  std::optional<int> captionHeight;
  std::optional<bool> frameDrawn;
  std::optional<bool> resizable;
  std::optional<bool> helpButton;
  std::optional<bool> menuButton;
  std::optional<bool> titleShown;
  std::optional<bool> topGloss;
  std::optional<int> bottomBarHeight;
  std::optional<std::vector<BottomBarItem>> bottomBarItems;
  std::optional<ByteSet> ownPicture;
  std::optional<int> ownLayoutMode;
};

}  // namespace vexo
