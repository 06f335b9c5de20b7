// See-through controls: the control paints itself, and every pixel it leaves
// in the key colour shows the window's background instead.
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QPainter>

#include "imaging/brush.h"
#include "imaging/graphics.h"
#include "skin/skin_engine.h"
#include "skin/window_events.h"
#include "skin/window_properties.h"

namespace vexo {

using namespace skin;

namespace {

// Controls that paint into the context they are given (the platform's button,
// trackbar, tab, toolbar, status bar and calendar classes): their key-coloured
// pixels show the veiled background.
bool PaintsIntoGivenContext(const QWidget* control) {
  return control->inherits("QAbstractButton") || control->inherits("QAbstractSlider") ||
         control->inherits("QTabBar") || control->inherits("QTabWidget") ||
         control->inherits("QToolBar") || control->inherits("QStatusBar") ||
         control->inherits("QCalendarWidget");
}

}  // namespace

int SkinEngine::MakeTransparent(QWidget* control, std::optional<ColorRef> keyColour,
                                std::optional<ColorRef> fillColour, std::optional<int> fillAlpha) {
  const int index = WindowIndexOfControl(control);
  if (index == 0 || WindowIndexOf(control) != 0) return 0;
  WindowRecord& window = *Record(index);
  if (FindOverlay(control) == nullptr) {
    OverlayRecord record;
    record.control = control;
    record.keyColour = keyColour.value_or(ButtonFaceColour());
    window.overlays.push_back(record);
    control->installEventFilter(new OverlayEvents(this, control));
    control->setGraphicsEffect(new OverlayEffect(this, control));
    SetProp(control, kKjLbId, static_cast<long long>(window.overlays.size()));
    SetProp(control, kKjFuId, index);
    control->update();
  }
  if (control->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly) != nullptr)
    return SkinContainer(control, 0, fillColour.value_or(0), fillAlpha.value_or(0), std::nullopt);
  return 0;
}

QImage SkinEngine::RenderOverlay(const QWidget* control, const OverlayRecord& record,
                                 const QImage& ownPixels, const QRect& area) const {
  // Everything at the resolution the control painted itself in.
  const qreal ratio = ownPixels.isNull() ? 1.0 : ownPixels.devicePixelRatio();
  QImage base = BackgroundBehind(control, area, ratio);
  if (PaintsIntoGivenContext(control) && !base.isNull()) {
    ImgGraphics g;
    g.CreateFromDevice(&base);
    ImgSolidBrush veil;
    veil.Create(MakeArgb(settings_.veilAlpha, 255, 255, 255));
    g.FillRectangle(veil, 0, 0, static_cast<float>(area.width()),
                    static_cast<float>(area.height()));
  }
  // The control's pixels over its key colour; what stays in that colour is
  // see-through.
  const QRgb key =
      qRgb(RedOf(record.keyColour), GreenOf(record.keyColour), BlueOf(record.keyColour));
  QImage painted(base.size(), QImage::Format_ARGB32_Premultiplied);
  painted.setDevicePixelRatio(ratio);
  painted.fill(key);
  {
    QPainter p(&painted);
    p.drawImage(0, 0, ownPixels);
  }
  for (int y = 0; y < painted.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(painted.scanLine(y));
    const auto* under = reinterpret_cast<const QRgb*>(base.constScanLine(y));
    for (int x = 0; x < painted.width(); ++x) {
      if (line[x] == key) line[x] = under[x];
    }
  }
  return painted;
}

}  // namespace vexo
