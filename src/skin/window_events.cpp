#include "skin/window_events.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QWidget>
#include <QWindowStateChangeEvent>

#include "imaging/graphics.h"
#include "skin/skin_engine.h"
#include "skin/window_properties.h"
#include "skin/working_set_trim.h"

namespace vexo {

using namespace skin;

namespace {

// The engine's index of a watched window, checked against the list: 0 when
// the property is missing, out of range or stale.
int IndexOf(SkinEngine* engine, QObject* watched) {
  const auto index = static_cast<int>(GetProp(watched, kHwLbId));
  const WindowRecord* r = engine->Record(index);
  return (r != nullptr && r->key == watched) ? index : 0;
}

}  // namespace

// --- Window state changes ---------------------------------------------------------

void SkinEngine::OnWindowResized(int index, bool sizeChanged) {
  WindowRecord* r = Record(index);
  if (r == nullptr) return;
  r->previousHot = 0;
  if (settings_.firstSize) {
    // The first layout of the program: the image registration asked for is
    // still to come, so this size change adds no render of its own.
    settings_.firstSize = false;
  } else if (sizeChanged) {
    r->fullRepaint = true;
  }
  LayoutDockedChildren(index);
  LayoutCaptionButtons(index);
  LayoutBottomBar(index);
}

void SkinEngine::OnWindowShown(int index) {
  WindowRecord* r = Record(index);
  if (r == nullptr) return;
  if (r->suspended) {
    r->suspended = false;
  } else {
    r->fullRepaint = true;
  }
}

void SkinEngine::OnWindowRestored(int index) {
  WindowRecord* r = Record(index);
  if (r == nullptr) return;
  r->suspended = false;
  r->fullRepaint = true;
  if (r->window) r->window->update();
}

void SkinEngine::OnTitleChanged(int index) {
  WindowRecord* r = Record(index);
  if (r == nullptr || !r->frameDrawn || !r->titleShown || r->cache.IsEmpty()) return;
  ImgGraphics g;
  g.CreateFromImage(r->cache);
  PaintTitle(index, g, nullptr, true);
}

void SkinEngine::OnDeactivated() {
  TrimWorkingSet();
}

// --- The window's filter -----------------------------------------------------------

bool WindowEvents::eventFilter(QObject* watched, QEvent* event) {
  const int index = IndexOf(engine_, watched);
  if (index == 0) return false;
  WindowRecord* r = engine_->Record(index);
  auto* window = static_cast<QWidget*>(watched);
  switch (event->type()) {
    case QEvent::Paint: {
      if (r->suspended) return true;
      if (r->fullRepaint || r->cache.IsEmpty() ||
          r->cache.LogicalSize() != QSizeF(window->size()) ||
          r->cache.DevicePixelRatio() != window->devicePixelRatioF()) {
        engine_->RenderBackground(index, false);
      }
      QPainter painter(window);
      engine_->BlitBackground(index, painter, static_cast<QPaintEvent*>(event)->rect());
      return true;
    }
    case QEvent::Resize: {
      auto* resize = static_cast<QResizeEvent*>(event);
      engine_->OnWindowResized(index, resize->oldSize() != resize->size());
      return false;
    }
    case QEvent::Show:
      engine_->OnWindowShown(index);
      return false;
    case QEvent::WindowStateChange: {
      auto* change = static_cast<QWindowStateChangeEvent*>(event);
      const bool wasMinimized = change->oldState().testFlag(Qt::WindowMinimized);
      const Qt::WindowStates now = window->windowState();
      if (now.testFlag(Qt::WindowMinimized)) {
        r->suspended = true;
        r->fullRepaint = true;
      } else if (wasMinimized) {
        engine_->OnWindowRestored(index);
      }
      if (now.testFlag(Qt::WindowMaximized) != r->maximized) {
        r->maximized = now.testFlag(Qt::WindowMaximized);
        r->fullRepaint = true;
      }
      return false;
    }
    case QEvent::WindowTitleChange:
      engine_->OnTitleChanged(index);
      return false;
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      engine_->OnMouseMove(index, mouse->position().toPoint(), mouse->globalPosition().toPoint(),
                           mouse->buttons().testFlag(Qt::LeftButton));
      return false;
    }
    case QEvent::Leave:
      engine_->OnMouseLeave(index);
      return false;
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton)
        engine_->OnLeftPress(index, mouse->position().toPoint(), mouse->globalPosition().toPoint());
      return false;
    }
    case QEvent::MouseButtonRelease: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton)
        engine_->OnLeftRelease(index, mouse->position().toPoint());
      return false;
    }
    case QEvent::MouseButtonDblClick: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() == Qt::LeftButton)
        engine_->OnDoubleClick(index, mouse->position().toPoint());
      return false;
    }
    default:
      return false;
  }
}

bool CaptionLeaveWatch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Enter && watched->isWidgetType())
    engine_->OnPointerEnteredChild(static_cast<QWidget*>(watched));
  return false;
}

// --- See-through controls -------------------------------------------------------------

bool OverlayEvents::eventFilter(QObject* watched, QEvent* event) {
  auto* control = static_cast<QWidget*>(watched);
  const SkinSettings& settings = engine_->Settings();
  switch (event->type()) {
    case QEvent::Move:
      if (settings.veilAlphaGiven) control->update();
      return false;
    default:
      return false;
  }
}

void OverlayEffect::draw(QPainter* painter) {
  OverlayRecord* record = control_ ? engine_->FindOverlay(control_) : nullptr;
  if (record == nullptr || !engine_->Settings().controlSkinning) {
    drawSource(painter);
    return;
  }
  QPoint offset;
  const QPixmap source = sourcePixmap(Qt::LogicalCoordinates, &offset, NoPad);
  const QRect area(offset, source.deviceIndependentSize().toSize());
  const QImage image = engine_->RenderOverlay(control_, *record, source.toImage(), area);
  painter->drawImage(QPointF(area.topLeft()), image);
}

// --- Containers ----------------------------------------------------------------------------

bool ContainerEvents::eventFilter(QObject* watched, QEvent* event) {
  auto* control = static_cast<QWidget*>(watched);
  ContainerRecord* record = engine_->FindContainer(control);
  if (record == nullptr) return false;
  switch (event->type()) {
    case QEvent::Resize:
      record->fullRender = true;
      return false;
    case QEvent::Move:
      if (record->paintStyle != 0 && record->fillAlpha != kContainerDefaultAlpha) control->update();
      return false;
    case QEvent::Paint: {
      if (record->paintStyle == 0) return false;
      const QImage image = engine_->RenderContainer(control, *record);
      QPainter painter(control);
      painter.setCompositionMode(QPainter::CompositionMode_Source);
      painter.drawImage(0, 0, image);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace vexo
