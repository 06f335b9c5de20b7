// What lies behind a control: the piece of its window's cached image, tinted
// by the container it sits in, and the milky veil laid over it for edit
// boxes, list boxes and static controls.
#include <QAbstractScrollArea>
#include <QPainter>
#include <QScrollBar>

#include "imaging/brush.h"
#include "imaging/graphics.h"
#include "imaging/path.h"
#include "skin/rounded_rect.h"
#include "skin/skin_engine.h"

namespace vexo {

using namespace skin;

namespace {

const ContainerRecord* ContainerIn(const WindowRecord& record, const QWidget* control) {
  for (const ContainerRecord& c : record.containers) {
    if (c.control == control) return &c;
  }
  return nullptr;
}

}  // namespace

SkinEngine::BackgroundSource SkinEngine::FindBackgroundSource(const QWidget* control) const {
  BackgroundSource source;
  if (control == nullptr) return source;
  if (int own = WindowIndexOf(control)) {
    source.window = own;
    return source;
  }
  for (const QWidget* parent = control->parentWidget(); parent != nullptr;
       parent = parent->parentWidget()) {
    for (int i = 1; i <= WindowCount(); ++i) {
      const WindowRecord& record = *Record(i);
      if (record.key == parent) {
        // Case A: straight in the window; a container tints only itself.
        source.window = i;
        source.tint = ContainerIn(record, control);
        source.offset = control->mapTo(parent, QPoint(0, 0));
        return source;
      }
      if (const ContainerRecord* container = ContainerIn(record, parent)) {
        // Case B: inside a container, which tints unless the control is a
        // container itself.
        source.window = i;
        source.inContainer = true;
        const ContainerRecord* own = ContainerIn(record, control);
        source.tint = own != nullptr ? own : container;
        source.offset = control->mapTo(control->window(), QPoint(0, 0));
        return source;
      }
    }
  }
  return source;
}

void SkinEngine::CopyWindowImage(const BackgroundSource& source, const QRect& area, QImage& image,
                                 const QPoint& at) const {
  const WindowRecord* record = Record(source.window);
  if (record == nullptr || record->cache.IsEmpty()) return;
  const QImage& cache = record->cache.Picture();
  QPainter painter(&image);
  painter.setCompositionMode(QPainter::CompositionMode_Source);
  const qreal from = cache.devicePixelRatio();
  const QRect inCache = area.translated(source.offset);
  if (from == image.devicePixelRatio()) {
    painter.drawImage(at, cache, QRect(inCache.topLeft() * from, inCache.size() * from));
  } else {
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(at, inCache.size()), cache,
                      QRectF(QPointF(inCache.topLeft()) * from, QSizeF(inCache.size()) * from));
  }
}

QImage SkinEngine::BackgroundBehind(const QWidget* control, const QRect& area,
                                    qreal devicePixelRatio) const {
  const qreal ratio = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
  QImage image((QSizeF(area.size()) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  if (area.isEmpty()) return image;
  const BackgroundSource source = FindBackgroundSource(control);
  if (source.window == 0) return image;
  CopyWindowImage(source, area, image, QPoint(0, 0));
  const ContainerRecord* tint = source.tint;
  if (tint != nullptr && tint->fillColour != 0) {
    ImgGraphics g;
    g.CreateFromDevice(&image);
    ImgSolidBrush fill;
    fill.Create(ToArgb(tint->fillColour, tint->fillAlpha));
    const float w = static_cast<float>(area.width());
    const float h = static_cast<float>(area.height());
    if (!source.inContainer && tint->groupBox) {
      ImgPath shape;
      shape.Create();
      AddRoundedRect(shape, 0, kGroupFrameTop, w, h - 6, kGroupCorner);
      g.FillPath(fill, shape);
    } else {
      g.FillRectangle(fill, 0, 0, w, h);
    }
  }
  return image;
}

QRect SkinEngine::ClientAreaWithin(const QWidget* control) {
  if (control == nullptr) return {};
  const QSize outer = control->size();
  QSize client = control->contentsRect().size();
  int scrollV = 0;
  int scrollH = 0;
  if (auto* area = qobject_cast<const QAbstractScrollArea*>(control)) {
    client = area->viewport()->size();
    if (area->verticalScrollBar()->isVisible()) scrollV = kScrollBarSize;
    if (area->horizontalScrollBar()->isVisible()) scrollH = kScrollBarSize;
  }
  const int left = (outer.width() - client.width() - scrollV) / 2;
  const int top = (outer.height() - client.height() - scrollH) / 2;
  return QRect(left, top, client.width(), client.height());
}

QImage SkinEngine::VeilImage(const QWidget* control) const {
  QImage image = BackgroundBehind(control, ClientAreaWithin(control), control->devicePixelRatioF());
  if (image.isNull()) return image;
  ImgGraphics g;
  g.CreateFromDevice(&image);
  ImgSolidBrush veil;
  veil.Create(MakeArgb(settings_.veilAlpha, 255, 255, 255));
  const QSizeF size = image.deviceIndependentSize();
  g.FillRectangle(veil, 0, 0, static_cast<float>(size.width()), static_cast<float>(size.height()));
  return image;
}

QImage SkinEngine::ControlBackground(const QWidget* control) const {
  if (!settings_.controlSkinning || !settings_.veilAlphaGiven) return {};
  return VeilImage(control);
}

}  // namespace vexo
