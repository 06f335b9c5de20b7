#pragma once
// The skin engine: one object for the program. It registers top-level windows
// and draws their whole client area itself (rounded shape, background
// picture, border, caption icon and title, caption buttons), runs the caption
// buttons and the caption drag, and lets labels, picture boxes and group boxes
// sit on the picture. Windows are reached through event filters on their
// widgets; the engine keeps its numbers on them as properties (Hw_lbID ...).
//
// Window indexes count from 1; 0 means "not registered". Everything runs on
// the user-interface thread.
#include <QImage>
#include <QRect>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <vector>

#include "imaging/bitmap.h"
#include "platform/text.h"
#include "skin/colour_ref.h"
#include "skin/skin_records.h"
#include "skin/window_properties.h"

class QPainter;

namespace vexo {

class ImgGraphics;

// The engine-wide settings.
struct SkinSettings {
  bool firstSize = true;
  bool controlSkinning = true;
  int veilAlpha = skin::kDefaultVeilAlpha;
  bool veilAlphaGiven = false;
  int sliderOption = skin::kDefaultSliderOption;
  ColorRef themeColour = skin::kDefaultThemeColour;
  ColorRef skinColour = 0;
  int layoutMode = skin::kDefaultLayoutMode;
  ByteSet skinPicture;
  int hotButton = 0;
  int captionMargin = skin::kCaptionMargin;
};

class SkinEngine {
 public:
  SkinEngine();
  ~SkinEngine();
  SkinEngine(const SkinEngine&) = delete;
  SkinEngine& operator=(const SkinEngine&) = delete;

  // Program end: forgets every window (their filters come off) and the icon.
  void Destroy();
  // The icon drawn at the left of every caption bar (an encoded picture).
  void SetCaptionIcon(const ByteSet& picture);

  const SkinSettings& Settings() const { return settings_; }

  // --- Operations -------------------------------------------------------
  // The program-wide picture. `themeColour` -1 makes the theme colour follow
  // the skin colour; not given resets it to the default.
  void SetSkinPicture(const Text& fileName, const ByteSet& bytes,
                      std::optional<ColorRef> skinColour = std::nullopt,
                      std::optional<long long> themeColour = std::nullopt,
                      std::optional<int> layoutMode = std::nullopt);
  void SetControlOptions(bool skinning, std::optional<int> veilAlpha = std::nullopt,
                         std::optional<int> sliderOption = std::nullopt);
  // Registers a top-level window; a registered window is left as it is.
  void SkinWindow(QWidget* window, const SkinWindowOptions& options = {});
  // A 26 x 18 custom caption button after the others; false when the window
  // is not registered.
  bool AddCaptionButton(QWidget* window, const ByteSet& image, const Text& tooltip,
                        std::function<void()> handler);
  void SetTitleStyle(QWidget* window, std::optional<Text> fontName, std::optional<float> size,
                     std::optional<ColorRef> textColour, std::optional<ColorRef> glowColour,
                     std::optional<int> style);
  void SetWindowPicture(QWidget* window, const ByteSet& picture,
                        std::optional<int> layoutMode = std::nullopt);
  void SetHelpHandler(QWidget* window, std::function<void()> handler);
  void SetMenuHandler(QWidget* window, std::function<void()> handler);
  // The caption-button strip as (left, top, right, bottom); empty when the
  // window is not registered.
  QRect GetCaptionStripRect(QWidget* window) const;
  void SetEditTextColor(QWidget* control, ColorRef colour);
  // Image buttons: `button` shows `picture`, a row of `states` equal frames
  // (normal, hot, pressed, disabled; 1 to 4), with a tooltip; the four-state
  // form takes one picture per state. False when the button lies in no
  // skinned window or a picture does not decode.
  bool SkinImageButton(QWidget* button, const ByteSet& picture, int states, const Text& tooltip);
  bool SkinImageButtonEx(QWidget* button, const std::vector<ByteSet>& pictures,
                         const Text& tooltip);
  ColorRef GetSkinColor() const { return settings_.skinColour; }
  // Replaces the pictures of the standard caption buttons in the order
  // minimize, maximize, restore, close (an empty byte set keeps a picture).
  void SetCaptionButtonImages(QWidget* window, const std::vector<ByteSet>& images);
  // The bottom bar: `height` pixels along the window's lower edge, its items
  // side by side in equal shares, each an optional picture and a text.
  void AddBottomBar(int index, int height, const std::vector<BottomBarItem>& items);
  // Changes one item (1-based) and redraws only it.
  void SetBottomBarItem(QWidget* window, int item, const Text& text,
                        std::optional<ByteSet> image = std::nullopt,
                        std::optional<int> value = std::nullopt);
  // The bar's text colour, fill colour and alpha, and font; values not given
  // stay.
  void SetBottomBarStyle(QWidget* window, std::optional<ColorRef> textColour,
                         std::optional<ColorRef> fillColour, std::optional<int> fillAlpha,
                         std::optional<Text> fontName, std::optional<float> fontSize,
                         std::optional<int> fontStyle);
  // Keeps `child` (a child of the window) filling the area under the caption
  // and above the bottom bar, now and after every size change.
  void DockChild(QWidget* window, QWidget* child);

  // Containers and see-through controls. Both return the container index
  // (MakeTransparent: 0 for a control without children).
  int SkinContainer(QWidget* control, std::optional<int> paintStyle = std::nullopt,
                    std::optional<ColorRef> fillColour = std::nullopt,
                    std::optional<int> fillAlpha = std::nullopt,
                    std::optional<bool> frameLines = std::nullopt);
  void SetContainerAlpha(QWidget* control, int alpha);
  int MakeTransparent(QWidget* control, std::optional<ColorRef> keyColour = std::nullopt,
                      std::optional<ColorRef> fillColour = std::nullopt,
                      std::optional<int> fillAlpha = std::nullopt);

  // --- Lookups -----------------------------------------------------------
  int WindowCount() const { return static_cast<int>(windows_.size()); }
  WindowRecord* Record(int index);
  const WindowRecord* Record(int index) const;
  int WindowIndexOf(const QWidget* window) const;
  // The index of the control's nearest registered ancestor (or itself).
  int WindowIndexOfControl(const QWidget* control) const;

  // --- Window painting (driven by the window's events) ------------------
  // Rebuilds the cached image; with `copy`, shows it at once.
  void RenderBackground(int index, bool copy);
  // Copies the part `area` of the cached image to `painter` (a paint of the window).
  void BlitBackground(int index, QPainter& painter, const QRect& area);
  void PaintBackdrop(ImgGraphics& g, int index);
  void PaintBorder(int index, ImgGraphics& g);
  // Caption icon and title (`text` null: the window's own title). Live: the
  // title area is restored first and shown at once.
  void PaintTitle(int index, ImgGraphics& g, const Text* text, bool live);
  void PaintCaptionButton(int index, int button, ImgGraphics& g, bool pressed, bool live,
                          int alpha);
  void PaintCaptionHover(ImgGraphics& g, int index, int button, int alpha);
  void PaintCaptionSeparator(int index, int button, ImgGraphics& g);
  // Copies `area` back from the clean caption copy (drawn through `g`, the
  // graphics on the cached image).
  void RestoreCaptionArea(int index, const QRect& area, ImgGraphics& g);
  void LayoutCaptionButtons(int index);
  void LayoutBottomBar(int index);
  // The bar's fill under its items, and one item.
  void PaintBottomBar(int index, ImgGraphics& g);
  void PaintBottomBarItem(int index, ImgGraphics& g, int item);
  void LayoutDockedChildren(int index);
  int HitTestCaptionButton(int index, int x, int y) const;
  int FindMaximizeButton(int index) const;
  // A left press at `point` (client coordinates): starts the caption drag or
  // an edge resize. True when one started.
  bool BeginDragOrResize(int index, const QPoint& point, const QPoint& globalPoint);
  void UpdateResizeCursor(int index, const QPoint& point);
  void RunCaptionCommand(int index, int button);
  // One 20 ms step of the caption-button fade.
  void HoverStep(int index);
  // Draws button `button` live in the given state on its own.
  void ShowCaptionButton(int index, int button, bool pressed, int alpha);

  // --- Backgrounds for controls -----------------------------------------
  // The piece of the window's cached image under `area` of `control` (its own
  // coordinates), tinted by its container; transparent when no skinned window
  // holds the control. The image holds `devicePixelRatio` pixels per unit of
  // `area`, with that ratio set.
  QImage BackgroundBehind(const QWidget* control, const QRect& area,
                          qreal devicePixelRatio = 1.0) const;
  // The control's client area within its outer rectangle.
  static QRect ClientAreaWithin(const QWidget* control);
  // The background behind the control's client area under a white veil.
  QImage VeilImage(const QWidget* control) const;
  // The background a control gets for its colour message: the veil when
  // control skinning is on and a veil alpha was given, else a null image.
  QImage ControlBackground(const QWidget* control) const;

  // Called by the event filters.
  void WindowDestroyed(QWidget* window);
  // A size message; one that keeps the size asks for no new image.
  void OnWindowResized(int index, bool sizeChanged);
  void OnWindowShown(int index);
  void OnWindowRestored(int index);
  void OnTitleChanged(int index);
  void OnMouseMove(int index, const QPoint& point, const QPoint& globalPoint, bool leftDown);
  void OnMouseLeave(int index);
  // The pointer entered `control`: when it lies in a window whose caption
  // glows, the window's surface has been left.
  void OnPointerEnteredChild(QWidget* control);
  void OnLeftPress(int index, const QPoint& point, const QPoint& globalPoint);
  void OnLeftRelease(int index, const QPoint& point);
  void OnDoubleClick(int index, const QPoint& point);
  // The application went to the background: free memory goes back to the
  // system (one release at a time).
  void OnDeactivated();
  void OnChildNotification(QWidget* child);

  // --- Skinned child controls ------------------------------------------
  // The record of a skinned control of the kind kept in `list`, found by the
  // control's Hw_FuID and Hw_lbID; null when its window or record is gone.
  template <class R>
  R* ControlRecordOf(const QObject* control, std::vector<R> WindowRecord::*list,
                     WindowRecord** window = nullptr, int* index = nullptr);
  // The background behind the whole control at its own device pixel ratio.
  QImage ControlSurface(const QWidget* control) const;
  // A skinned button's or slider's look in its current state (null when it
  // is not skinned).
  QImage RenderButton(const QWidget* button) const;
  QImage RenderSlider(const QWidget* slider) const;
  // Edit boxes and lists: the ring around a control's content (its rectangle
  // less its contents rectangle), whether the control draws one, the edit
  // box's look (ring and veiled content; `hot` for the ring drawn hot), a
  // list's ring, and the veiled picture under a list's rows (null without a
  // veil alpha).
  static QRegion RingOf(const QWidget* control);
  bool HasRing(const QWidget* control) const;
  QImage RenderEdit(const QWidget* edit, bool hot) const;
  QImage RenderListRing(const QWidget* list) const;
  QImage RenderListBackground(const QWidget* viewport) const;
  // A list header's look: every section a tile over the picture.
  QImage RenderHeader(const QWidget* header) const;
  // The state a skinned button is drawn in (skin::kState... bits).
  int ButtonState(const QWidget* button) const;
  // The check-box glyphs for a device pixel ratio (drawn 13 x 13 either way).
  const ImgBitmap& CheckBoxSquare(qreal ratio = 1.0) const {
    return ratio > 1.0 ? checkSquare2x_ : checkSquare_;
  }
  const ImgBitmap& CheckMark(qreal ratio = 1.0) const {
    return ratio > 1.0 ? checkMark2x_ : checkMark_;
  }

  ContainerRecord* FindContainer(const QWidget* control, int* windowIndex = nullptr);
  OverlayRecord* FindOverlay(const QWidget* control, int* windowIndex = nullptr);
  // The group-box title painter's working: draws frame and title on `image`.
  void PaintGroupBox(const QWidget* control, const ContainerRecord& record, QImage& image) const;
  // Builds the container's image: background, frame or group-box frame.
  QImage RenderContainer(const QWidget* control, ContainerRecord& record) const;
  // The overlay's image of `area` (control coordinates): the control's own
  // pixels (`ownPixels`, transparent where it painted nothing) laid on its
  // key colour, and every key-coloured pixel replaced by the background
  // behind the control (veiled for button-like controls).
  QImage RenderOverlay(const QWidget* control, const OverlayRecord& record, const QImage& ownPixels,
                       const QRect& area) const;

 private:
  void RefreshWindow(int index);
  void Renumber();
  // The registration passes over the direct children of `parent` (the window
  // or a container), in their order: push buttons, check and radio buttons,
  // edits and combo boxes, sliders, progress bars, lists, up-downs, headers.
  void RegisterControls(int index, QWidget* parent);
  void RegisterButton(int index, QWidget* button, int kind);
  void RegisterEdit(int index, QWidget* edit);
  void RegisterCombo(int index, QWidget* combo);
  void RegisterSlider(int index, QWidget* slider);
  void RegisterPlain(int index, QWidget* control, std::vector<PlainRecord> WindowRecord::*list);
  void RegisterList(int index, QWidget* list, int kind);
  void RegisterHeader(int index, QWidget* header);
  // The button's record, registered as an image button of `kind`.
  ButtonRecord* ImageButtonRecord(QWidget* button, int kind);
  const ImgImage* PictureOf(const WindowRecord& record, int* layoutMode) const;
  void StartHoverTimer(int index);
  void StopHoverTimer(WindowRecord& record);
  void EnsureTitleFont(WindowRecord& record) const;
  // Where a control's background comes from: the skinned window holding it,
  // the container whose tint applies, and whether a container lies between.
  struct BackgroundSource {
    int window = 0;
    const ContainerRecord* tint = nullptr;
    bool inContainer = false;
    QPoint offset;  // the control's origin in the window's image
  };
  BackgroundSource FindBackgroundSource(const QWidget* control) const;
  // Copies the window's image under `area` of the control into `image` at `at`.
  void CopyWindowImage(const BackgroundSource& source, const QRect& area, QImage& image,
                       const QPoint& at) const;

  SkinSettings settings_;
  std::vector<std::unique_ptr<WindowRecord>> windows_;
  QMetaObject::Connection deactivation_;
  std::unique_ptr<QObject> leaveWatch_;  // installed while a hover timer runs
  ImgBitmap skinDecoded_;
  ImgBitmap captionIcon_;
  ImgBitmap checkSquare_;
  ImgBitmap checkMark_;
  ImgBitmap checkSquare2x_;
  ImgBitmap checkMark2x_;
  mutable std::mt19937 random_;
};

template <class R>
R* SkinEngine::ControlRecordOf(const QObject* control, std::vector<R> WindowRecord::*list,
                               WindowRecord** window, int* index) {
  WindowRecord* owner = Record(static_cast<int>(skin::GetProp(control, skin::kHwFuId)));
  if (owner == nullptr) return nullptr;
  const auto i = skin::GetProp(control, skin::kHwLbId);
  std::vector<R>& records = owner->*list;
  if (i < 1 || i > static_cast<long long>(records.size())) return nullptr;
  R& record = records[static_cast<std::size_t>(i - 1)];
  if (record.control != control) return nullptr;
  if (window != nullptr) *window = owner;
  if (index != nullptr) *index = static_cast<int>(i);
  return &record;
}

}  // namespace vexo
