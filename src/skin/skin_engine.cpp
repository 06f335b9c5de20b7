#include "skin/skin_engine.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "assets/embedded_pictures.h"
#include "imaging/graphics.h"
#include "platform/system_text.h"
#include "skin/picture_colour.h"
#include "skin/window_events.h"
#include "skin/window_properties.h"

namespace vexo {

using namespace skin;

SkinEngine::SkinEngine() : random_(std::random_device{}()) {
  settings_.skinColour = ButtonFaceColour();
  checkSquare_.LoadFromBytes(assets::CheckBoxSquarePicture());
  checkMark_.LoadFromBytes(assets::CheckMarkPicture());
  checkSquare2x_.LoadFromBytes(assets::CheckBoxSquarePicture2x());
  checkMark2x_.LoadFromBytes(assets::CheckMarkPicture2x());
}

SkinEngine::~SkinEngine() {
  Destroy();
}

void SkinEngine::Destroy() {
  for (auto& record : windows_) {
    if (record->window) {
      record->window->removeEventFilter(record->filter.get());
    }
    if (record->hoverTimer) record->hoverTimer->stop();
    for (const auto& connection : record->connections)
      QObject::disconnect(connection);
    // Filters off, attributes, focus policies and properties as they were.
    record->changes.UndoAll();
    for (const ButtonRecord& b : record->pushButtons)
      if (b.control) b.control->update();
    for (const SliderRecord& slider : record->sliders)
      if (slider.control) slider.control->update();
    // The controls keep working on their own, without the engine's looks.
    auto release = [](QWidget* control) {
      if (control == nullptr) return;
      for (QObject* filter : control->findChildren<QObject*>(Qt::FindDirectChildrenOnly)) {
        if (dynamic_cast<OverlayEvents*>(filter) || dynamic_cast<ContainerEvents*>(filter)) {
          control->removeEventFilter(filter);
          delete filter;
        }
      }
      if (dynamic_cast<OverlayEffect*>(control->graphicsEffect()))
        control->setGraphicsEffect(nullptr);
    };
    for (const OverlayRecord& o : record->overlays)
      release(o.control);
    for (const ContainerRecord& c : record->containers)
      release(c.control);
  }
  windows_.clear();
  leaveWatch_.reset();
  QObject::disconnect(deactivation_);
  captionIcon_.Dispose();
  skinDecoded_.Dispose();
}

void SkinEngine::SetCaptionIcon(const ByteSet& picture) {
  captionIcon_.LoadFromBytes(picture);
}

// --- Settings -------------------------------------------------------------

void SkinEngine::SetSkinPicture(const Text& fileName, const ByteSet& bytes,
                                std::optional<ColorRef> skinColour,
                                std::optional<long long> themeColour,
                                std::optional<int> layoutMode) {
  const bool followSkin = themeColour && *themeColour == kThemeFollowsSkin;
  if (!followSkin) {
    settings_.themeColour = themeColour ? static_cast<ColorRef>(*themeColour) : kDefaultThemeColour;
  }
  if (fileName.empty() && bytes.empty() && !skinColour) return;
  if (!fileName.empty() || !bytes.empty()) {
    ImgBitmap picture;
    if (!fileName.empty()) {
      picture.LoadFromFile(fileName);
    } else {
      picture.LoadFromBytes(bytes);
    }
    settings_.skinColour =
        skinColour ? *skinColour : MeanColour(picture, random_, kMeanColourSamples);
    if (followSkin) settings_.themeColour = settings_.skinColour;
    settings_.layoutMode = layoutMode.value_or(kLayoutModeWhenNotGiven);
    bool storedAsGiven = false;
    if (settings_.layoutMode == kLayoutTopLeft || settings_.layoutMode == kLayoutTopRight) {
      settings_.skinPicture = EdgeFadedPicture(picture, settings_.skinColour, settings_.layoutMode);
    } else if (!fileName.empty()) {
      settings_.skinPicture = picture.SaveToBytes(Text("image/png"));
    } else {
      settings_.skinPicture = bytes;
      storedAsGiven = true;
    }
    skinDecoded_.Dispose();
    if (storedAsGiven) {
      // The picture just decoded is the stored one: keep it rather than
      // decoding the same bytes a second time.
      picture.Clone(skinDecoded_);
    } else if (!settings_.skinPicture.empty()) {
      skinDecoded_.LoadFromBytes(settings_.skinPicture);
    }
  } else {
    settings_.skinPicture.clear();
    skinDecoded_.Dispose();
    settings_.skinColour = *skinColour;
    if (followSkin) settings_.themeColour = settings_.skinColour;
  }
  for (int i = 1; i <= WindowCount(); ++i)
    RefreshWindow(i);
}

void SkinEngine::RefreshWindow(int index) {
  WindowRecord* record = Record(index);
  if (record == nullptr || !record->window || !record->window->isVisible()) return;
  RenderBackground(index, false);
  record->window->update();
  for (QWidget* child : record->window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (child->isVisible()) child->update();
  }
}

void SkinEngine::SetControlOptions(bool skinning, std::optional<int> veilAlpha,
                                   std::optional<int> sliderOption) {
  settings_.controlSkinning = skinning;
  settings_.veilAlpha = veilAlpha.value_or(kDefaultVeilAlpha);
  settings_.veilAlphaGiven = veilAlpha.has_value();
  settings_.sliderOption = sliderOption.value_or(kDefaultSliderOption);
}

// --- Registration -----------------------------------------------------------

namespace {

CaptionButton MakeButton(int kind, int width, const ByteSet& image, const char* tooltipUtf8) {
  CaptionButton button;
  button.kind = kind;
  button.width = width;
  button.height = kButtonHeight;
  button.image = image;
  button.picture.LoadFromBytes(image);
  button.tooltip = Sys(tooltipUtf8);
  return button;
}

}  // namespace

void SkinEngine::SkinWindow(QWidget* window, const SkinWindowOptions& options) {
  if (window == nullptr || WindowIndexOf(window) != 0) return;
  auto record = std::make_unique<WindowRecord>();
  WindowRecord& r = *record;
  r.window = window;
  r.key = window;
  r.captionHeight = std::max(kMinCaptionHeight, options.captionHeight.value_or(0));
  r.hasHelp = options.helpButton.value_or(false);
  r.hasMenu = options.menuButton.value_or(false);
  const Qt::WindowFlags flags = window->windowFlags();
  r.hasMinimize = flags.testFlag(Qt::WindowMinimizeButtonHint);
  r.hasMaximize = flags.testFlag(Qt::WindowMaximizeButtonHint);
  r.frameDrawn = options.frameDrawn.value_or(true);
  r.resizable = options.resizable.value_or(true);
  r.titleShown = options.titleShown.value_or(true);
  r.topGloss = options.topGloss.value_or(false);
  r.layoutMode = options.ownLayoutMode.value_or(settings_.layoutMode);
  r.titleFont = Sys(kTitleFontUtf8);
  if (QScreen* screen = QGuiApplication::primaryScreen()) r.largest = screen->size();
  if (options.ownPicture && !options.ownPicture->empty()) {
    ImgBitmap own;
    own.LoadFromBytes(*options.ownPicture);
    r.ownColour = MeanColour(own, random_, kMeanColourSamples);
    r.ownPicture = (r.layoutMode == kLayoutTopLeft || r.layoutMode == kLayoutTopRight)
                       ? EdgeFadedPicture(own, r.ownColour, r.layoutMode)
                       : *options.ownPicture;
    r.ownDecoded.LoadFromBytes(r.ownPicture);
  }

  if (r.hasHelp)
    r.buttons.push_back(MakeButton(kKindHelp, kButtonWidth, assets::CaptionHelpPicture(), "帮助"));
  if (r.hasMenu)
    r.buttons.push_back(
        MakeButton(kKindMenu, kButtonWidth, assets::CaptionMenuPicture(), "主菜单"));
  if (r.hasMinimize)
    r.buttons.push_back(
        MakeButton(kKindMinimize, kButtonWidth, assets::CaptionMinimizePicture(), "最小化"));
  if (r.hasMaximize) {
    CaptionButton maximize =
        MakeButton(kKindMaximize, kButtonWidth, assets::CaptionMaximizePicture(), "最大化");
    maximize.alternateImage = assets::CaptionRestorePicture();
    maximize.alternatePicture.LoadFromBytes(maximize.alternateImage);
    r.buttons.push_back(std::move(maximize));
  }
  r.buttons.push_back(
      MakeButton(kKindClose, kCloseButtonWidth, assets::CaptionClosePicture(), "关闭"));

  int width = 0;
  for (const CaptionButton& b : r.buttons)
    width += b.width;
  r.stripWidth = width + static_cast<int>(r.buttons.size() - 1) * kButtonGap + kStripExtraWidth;
  r.stripHeight = kStripHeight;
  r.stripX = window->width() - settings_.captionMargin - r.stripWidth - 2;
  r.stripY = 0;

  windows_.push_back(std::move(record));
  const int index = WindowCount();

  r.tooltip = std::make_unique<TooltipWindow>();
  r.tooltip->Create();
  LayoutCaptionButtons(index);
  for (int i = 1; i <= static_cast<int>(r.buttons.size()); ++i) {
    r.tooltip->AddTool(window, r.buttons[i - 1].hit.toRect(), r.buttons[i - 1].tooltip,
                       static_cast<unsigned>(i));
  }
  if (options.bottomBarHeight && *options.bottomBarHeight > 0) {
    AddBottomBar(index, *options.bottomBarHeight,
                 options.bottomBarItems.value_or(std::vector<BottomBarItem>{}));
    r.bottomBarTextColour = kTitleColour;
    r.bottomBarFont = Sys(kTitleFontUtf8);
    r.bottomBarFontSize = kTitleFontSize;
  }
  LayoutBottomBar(index);
  RegisterControls(index, window);
  r.fullRepaint = true;

  r.hoverTimer = std::make_unique<QTimer>();
  r.hoverTimer->setInterval(kHoverPeriodMs);
  QObject::connect(r.hoverTimer.get(), &QTimer::timeout, r.hoverTimer.get(), [this, window] {
    if (int i = WindowIndexOf(window)) HoverStep(i);
  });
  if (!deactivation_ && qGuiApp != nullptr) {
    deactivation_ = QObject::connect(qGuiApp, &QGuiApplication::applicationStateChanged,
                                     [this](Qt::ApplicationState state) {
                                       if (state != Qt::ApplicationActive) OnDeactivated();
                                     });
  }
  r.filter = std::make_unique<WindowEvents>(this);
  r.changes.SetMouseTracking(window, true);
  // Where the platform shows no window masks (Wayland), the corners outside
  // the rounded shape are made see-through instead.
  r.translucentShape = QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
  if (r.translucentShape) r.changes.SetAttribute(window, Qt::WA_TranslucentBackground, true);
  // A window the user can resize keeps between the smallest and the largest
  // size; a window of fixed size keeps its size.
  if (r.resizable && window->minimumSize() != window->maximumSize()) {
    const QSize smallest = window->minimumSize();
    const QSize largest = window->maximumSize();
    r.changes.Add(window, [window, smallest, largest] {
      window->setMinimumSize(smallest);
      window->setMaximumSize(largest);
    });
    window->setMinimumSize(r.smallest);
    if (r.largest.isValid()) window->setMaximumSize(r.largest);
  }
  window->installEventFilter(r.filter.get());
  r.connections.push_back(QObject::connect(window, &QObject::destroyed, r.filter.get(),
                                           [this, window] { WindowDestroyed(window); }));
  SetProp(window, kHwLbId, index);
}

void SkinEngine::OnChildNotification(QWidget* child) {
  if (settings_.controlSkinning && settings_.veilAlphaGiven && child) child->update();
}

bool SkinEngine::AddCaptionButton(QWidget* window, const ByteSet& image, const Text& tooltip,
                                  std::function<void()> handler) {
  const int index = WindowIndexOf(window);
  if (index == 0) return false;
  WindowRecord& r = *Record(index);
  CaptionButton button;
  button.kind = kKindCustom;
  button.image = image;
  button.picture.LoadFromBytes(image);
  button.tooltip = tooltip;
  button.handler = std::move(handler);
  r.buttons.push_back(std::move(button));
  r.stripWidth += kButtonPitch;
  LayoutCaptionButtons(index);
  const auto id = static_cast<unsigned>(r.buttons.size());
  r.tooltip->AddTool(window, r.buttons.back().hit.toRect(), tooltip, id);
  r.fullRepaint = true;
  window->update();
  return true;
}

void SkinEngine::SetTitleStyle(QWidget* window, std::optional<Text> fontName,
                               std::optional<float> size, std::optional<ColorRef> textColour,
                               std::optional<ColorRef> glowColour, std::optional<int> style) {
  const int index = WindowIndexOf(window);
  if (index == 0) return;
  WindowRecord& r = *Record(index);
  if (fontName) r.titleFont = *fontName;
  if (size) r.titleSize = *size;
  if (textColour) r.titleColour = *textColour;
  if (glowColour) r.glowColour = *glowColour;
  if (style) r.titleStyle = *style;
  if (r.frameDrawn && r.titleShown && !r.cache.IsEmpty()) {
    ImgGraphics g;
    g.CreateFromImage(r.cache);
    PaintTitle(index, g, nullptr, true);
  }
}

void SkinEngine::SetWindowPicture(QWidget* window, const ByteSet& picture,
                                  std::optional<int> layoutMode) {
  const int index = WindowIndexOf(window);
  if (index == 0) return;
  WindowRecord& r = *Record(index);
  if (layoutMode) r.layoutMode = *layoutMode;
  ImgBitmap own;
  own.LoadFromBytes(picture);
  r.ownColour = MeanColour(own, random_, kMeanColourSamples);
  r.ownPicture = (r.layoutMode == kLayoutTopLeft || r.layoutMode == kLayoutTopRight)
                     ? EdgeFadedPicture(own, r.ownColour, r.layoutMode)
                     : picture;
  r.ownDecoded.Dispose();
  if (!r.ownPicture.empty()) r.ownDecoded.LoadFromBytes(r.ownPicture);
  r.fullRepaint = true;
  window->update();
}

void SkinEngine::SetHelpHandler(QWidget* window, std::function<void()> handler) {
  if (WindowRecord* r = Record(WindowIndexOf(window))) r->helpHandler = std::move(handler);
}

void SkinEngine::SetMenuHandler(QWidget* window, std::function<void()> handler) {
  if (WindowRecord* r = Record(WindowIndexOf(window))) r->menuHandler = std::move(handler);
}

QRect SkinEngine::GetCaptionStripRect(QWidget* window) const {
  const WindowRecord* r = Record(WindowIndexOf(window));
  if (r == nullptr) return {};
  return QRect(QPoint(r->stripX, r->stripY),
               QPoint(r->stripX + r->stripWidth, r->stripY + r->stripHeight));
}

void SkinEngine::SetEditTextColor(QWidget* control, ColorRef colour) {
  if (control == nullptr) return;
  QWidget* target = control;
  if (auto* combo = qobject_cast<QComboBox*>(control)) {
    if (combo->lineEdit() != nullptr) target = combo->lineEdit();
  }
  SetProp(target, kKjZtys, colour);
  // A skinned edit box draws its text in that colour.
  if (ControlRecordOf(target, &WindowRecord::edits) != nullptr) {
    QPalette palette = target->palette();
    palette.setColor(QPalette::Text, QColor(RedOf(colour), GreenOf(colour), BlueOf(colour)));
    target->setPalette(palette);
  }
}

void SkinEngine::SetCaptionButtonImages(QWidget* window, const std::vector<ByteSet>& images) {
  const int index = WindowIndexOf(window);
  if (index == 0) return;
  WindowRecord& r = *Record(index);
  auto image = [&](std::size_t i) -> const ByteSet* {
    return i < images.size() && !images[i].empty() ? &images[i] : nullptr;
  };
  for (CaptionButton& b : r.buttons) {
    const ByteSet* replacement = nullptr;
    if (b.kind == kKindMinimize) replacement = image(0);
    if (b.kind == kKindMaximize) {
      replacement = image(1);
      if (const ByteSet* restore = image(2)) {
        b.alternateImage = *restore;
        b.alternatePicture.LoadFromBytes(*restore);
      }
    }
    if (b.kind == kKindClose) replacement = image(3);
    if (replacement != nullptr) {
      b.image = *replacement;
      b.picture.LoadFromBytes(*replacement);
    }
  }
  r.fullRepaint = true;
  window->update();
}

void SkinEngine::DockChild(QWidget* window, QWidget* child) {
  const int index = WindowIndexOf(window);
  WindowRecord* r = Record(index);
  if (r == nullptr || child == nullptr || child->parentWidget() != window) return;
  for (const auto& docked : r->dockedChildren)
    if (docked == child) return;
  r->dockedChildren.emplace_back(child);
  LayoutDockedChildren(index);
}

// Docked children fill the area under the caption (and above the bottom bar).
void SkinEngine::LayoutDockedChildren(int index) {
  WindowRecord* r = Record(index);
  if (r == nullptr || !r->window) return;
  const QRect area(0, r->captionHeight, r->window->width(),
                   r->window->height() - r->captionHeight - r->bottomBarHeight);
  for (const auto& child : r->dockedChildren) {
    if (child) child->setGeometry(area);
  }
}

// --- Lookups and lifecycle ----------------------------------------------------

WindowRecord* SkinEngine::Record(int index) {
  if (index < 1 || index > WindowCount()) return nullptr;
  return windows_[static_cast<std::size_t>(index - 1)].get();
}

const WindowRecord* SkinEngine::Record(int index) const {
  if (index < 1 || index > WindowCount()) return nullptr;
  return windows_[static_cast<std::size_t>(index - 1)].get();
}

int SkinEngine::WindowIndexOf(const QWidget* window) const {
  if (window == nullptr) return 0;
  for (int i = 0; i < WindowCount(); ++i) {
    if (windows_[static_cast<std::size_t>(i)]->key == window) return i + 1;
  }
  return 0;
}

int SkinEngine::WindowIndexOfControl(const QWidget* control) const {
  for (const QWidget* w = control; w != nullptr; w = w->parentWidget()) {
    if (int index = WindowIndexOf(w)) return index;
  }
  return 0;
}

void SkinEngine::WindowDestroyed(QWidget* window) {
  const int index = WindowIndexOf(window);
  if (index == 0) return;
  std::unique_ptr<WindowRecord> gone = std::move(windows_[static_cast<std::size_t>(index - 1)]);
  windows_.erase(windows_.begin() + (index - 1));
  if (gone->hoverTimer) gone->hoverTimer->stop();
  if (gone->tooltip) gone->tooltip->Destroy();
  Renumber();
  // The filter is this record's own; it is the sender's receiver, so it goes
  // once the signal has been delivered.
  QObject* filter = gone->filter.release();
  filter->deleteLater();
}

void SkinEngine::Renumber() {
  for (int i = 1; i <= WindowCount(); ++i) {
    WindowRecord& r = *Record(i);
    SetProp(r.window, kHwLbId, i);
    auto renumber = [i](const auto& records) {
      for (const auto& record : records)
        SetProp(record.control, kHwFuId, i);
    };
    renumber(r.pushButtons);
    renumber(r.edits);
    renumber(r.combos);
    renumber(r.sliders);
    renumber(r.progressBars);
    renumber(r.lists);
    renumber(r.upDowns);
    renumber(r.headers);
    for (const ContainerRecord& c : r.containers)
      SetProp(c.control, kHwFuId, i);
    for (const OverlayRecord& o : r.overlays)
      SetProp(o.control, kKjFuId, i);
  }
}

ContainerRecord* SkinEngine::FindContainer(const QWidget* control, int* windowIndex) {
  for (int i = 1; i <= WindowCount(); ++i) {
    for (ContainerRecord& c : Record(i)->containers) {
      if (c.control == control) {
        if (windowIndex) *windowIndex = i;
        return &c;
      }
    }
  }
  return nullptr;
}

OverlayRecord* SkinEngine::FindOverlay(const QWidget* control, int* windowIndex) {
  for (int i = 1; i <= WindowCount(); ++i) {
    for (OverlayRecord& o : Record(i)->overlays) {
      if (o.control == control) {
        if (windowIndex) *windowIndex = i;
        return &o;
      }
    }
  }
  return nullptr;
}

}  // namespace vexo
