// Containers: group boxes (and other controls with children) painted by the
// engine over the background behind them, with their frame and title.
#include <QFont>
#include <QGroupBox>
#include <QPainter>
#include <cmath>

#include "imaging/brush.h"
#include "imaging/font.h"
#include "imaging/graphics.h"
#include "imaging/path.h"
#include "imaging/pen.h"
#include "imaging/string_format.h"
#include "platform/controls/qt_text.h"
#include "skin/control_font.h"
#include "skin/rounded_rect.h"
#include "skin/skin_engine.h"
#include "skin/window_events.h"
#include "skin/window_properties.h"

namespace vexo {

using namespace skin;

namespace {

// The title alignment bits: the control's defined style when it carries one,
// else its own alignment. A group box's left alignment is Qt's default, which
// a box defined without alignment bits also has, so it counts as no bits (the
// title at the right); a box titled at the left says so in its style.
int AlignmentBits(const QWidget* control) {
  if (HasProp(control, kControlStyle))
    return static_cast<int>(GetProp(control, kControlStyle)) & kStyleAlignCentre;
  if (const auto* box = qobject_cast<const QGroupBox*>(control)) {
    const Qt::Alignment align = box->alignment();
    if (align.testFlag(Qt::AlignHCenter)) return kStyleAlignCentre;
    if (align.testFlag(Qt::AlignRight)) return kStyleAlignRight;
  }
  return 0;
}

Text TitleOf(const QWidget* control) {
  if (const auto* box = qobject_cast<const QGroupBox*>(control)) return FromQString(box->title());
  return FromQString(control->windowTitle());
}

void StrokeRounded(ImgGraphics& g, Argb colour, float x, float y, float w, float h, int corner) {
  ImgPen pen;
  pen.Create(colour, 1);
  ImgPath path;
  path.Create();
  AddRoundedRect(path, x, y, w, h, corner);
  g.DrawPath(pen, path);
}

}  // namespace

int SkinEngine::SkinContainer(QWidget* control, std::optional<int> paintStyle,
                              std::optional<ColorRef> fillColour, std::optional<int> fillAlpha,
                              std::optional<bool> frameLines) {
  const int index = WindowIndexOfControl(control);
  if (index == 0 || WindowIndexOf(control) != 0) return 0;
  WindowRecord& window = *Record(index);
  for (int i = 1; i <= static_cast<int>(window.containers.size()); ++i) {
    if (window.containers[static_cast<std::size_t>(i - 1)].control == control) return i;
  }
  ContainerRecord record;
  record.control = control;
  record.fillColour = fillColour.value_or(0);
  record.fillAlpha = fillAlpha.value_or(kContainerDefaultAlpha) & 0xFF;
  record.frameLines = frameLines.value_or(false);
  record.paintStyle = paintStyle.value_or(kContainerDefaultStyle);
  record.groupBox = qobject_cast<QGroupBox*>(control) != nullptr;
  if (record.groupBox) {
    const ControlFont font = FontOfControl(control);
    record.titleFont = font.name;
    record.titleSize = font.size;
    record.titleStyle = font.style;
  }
  window.containers.push_back(record);
  const auto containerIndex = static_cast<int>(window.containers.size());
  RegisterControls(index, control);
  window.containers.back().fullRender = true;
  control->installEventFilter(new ContainerEvents(this, control));
  SetProp(control, kHwLbId, containerIndex);
  SetProp(control, kHwFuId, index);
  control->update();
  return containerIndex;
}

void SkinEngine::SetContainerAlpha(QWidget* control, int alpha) {
  const auto windowIndex = static_cast<int>(GetProp(control, kHwFuId));
  const auto containerIndex = static_cast<int>(GetProp(control, kHwLbId));
  WindowRecord* window = Record(windowIndex);
  if (window == nullptr || containerIndex < 1 ||
      containerIndex > static_cast<int>(window->containers.size()))
    return;
  ContainerRecord& record = window->containers[static_cast<std::size_t>(containerIndex - 1)];
  if (record.control != control || record.fillColour == 0) return;
  record.fillAlpha = alpha & 0xFF;
  control->update();
}

QImage SkinEngine::RenderContainer(const QWidget* control, ContainerRecord& record) const {
  QImage image = ControlSurface(control);
  if (record.groupBox) {
    PaintGroupBox(control, record, image);
  } else if (record.frameLines) {
    ImgGraphics g;
    g.CreateFromDevice(&image);
    const float w = static_cast<float>(control->width());
    const float h = static_cast<float>(control->height());
    StrokeRounded(g, MakeArgb(kGroupOuterAlpha, 0, 0, 0), 0, 0, w - 1, h - 1, kGroupCorner);
    StrokeRounded(g, MakeArgb(kFrameInnerAlpha, 255, 255, 255), 1, 1, w - 3, h - 3,
                  kGroupInnerCorner);
  }
  record.fullRender = false;
  return image;
}

void SkinEngine::PaintGroupBox(const QWidget* control, const ContainerRecord& record,
                               QImage& image) const {
  const int w = control->width();
  const int h = control->height();
  const float fw = static_cast<float>(w);
  const float fh = static_cast<float>(h);
  {
    ImgGraphics g;
    g.CreateFromDevice(&image);
    StrokeRounded(g, MakeArgb(kGroupOuterAlpha, 0, 0, 0), 0, kGroupFrameTop, fw - 1, fh - 6,
                  kGroupCorner);
    StrokeRounded(g, MakeArgb(kGroupInnerAlpha, 255, 255, 255), 1, kGroupFrameTop + 1, fw - 3,
                  fh - 8, kGroupInnerCorner);
  }
  const Text title = TitleOf(control);
  ImgFont font;
  font.Create(record.titleFont, record.titleSize, record.titleStyle, kUnitWorld);
  int titleWidth = 1;
  if (!title.empty()) {
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    ImgGraphics measure;
    measure.CreateFromDevice(&scratch);
    ImgTextMeasure m;
    if (measure.MeasureString(title, font, 0, 0, 0, 0, nullptr, &m))
      titleWidth = static_cast<int>(std::floor(m.box.width())) + 1;
  }
  const int bits = AlignmentBits(control);
  int x = w - titleWidth - kGroupTitleMargin;
  if (bits == kStyleAlignCentre) {
    x = (w - titleWidth) / 2;
  } else if (bits == kStyleAlignLeft) {
    x = kGroupTitleMargin;
  }
  const float titleHeight = record.titleSize + kGroupTitleExtraHeight;
  const QRect titleRect(x, 1, titleWidth, static_cast<int>(titleHeight));

  // The frame lines behind the title give way to the background.
  const BackgroundSource source = FindBackgroundSource(control);
  CopyWindowImage(source, titleRect, image, titleRect.topLeft());
  ImgGraphics g;
  g.CreateFromDevice(&image);
  if (record.fillColour != 0) {
    ImgSolidBrush tint;
    tint.Create(ToArgb(record.fillColour, record.fillAlpha));
    const int skip = source.inContainer ? 0 : kGroupTintOffset;
    g.FillRectangle(tint, static_cast<float>(titleRect.x()),
                    static_cast<float>(titleRect.y() + skip), static_cast<float>(titleRect.width()),
                    static_cast<float>(titleRect.height() - skip));
  }
  if (title.empty()) return;
  ImgStringFormat format;
  format.Create();
  format.SetAlign(kStringAlignmentCenter);
  const auto colour = static_cast<ColorRef>(GetProp(control, kKjZtys));
  ImgSolidBrush ink;
  ink.Create(ToArgb(colour));
  g.DrawString(title, font, static_cast<float>(x), 1, static_cast<float>(titleWidth), titleHeight,
               &format, ink);
}

}  // namespace vexo
