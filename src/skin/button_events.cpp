// Skinned push buttons, check boxes, radio buttons and image buttons: the
// engine paints them (the platform style never does), draws the one under the
// mouse hot, and ignores double clicks.
#include <QMouseEvent>
#include <QPainter>

#include "skin/control_events.h"
#include "skin/skin_engine.h"

namespace vexo {

bool ButtonEvents::eventFilter(QObject* watched, QEvent* event) {
  WindowRecord* window = nullptr;
  int index = 0;
  ButtonRecord* record =
      engine_->ControlRecordOf(control_, &WindowRecord::pushButtons, &window, &index);
  if (record == nullptr || watched != control_) return false;
  HotControl& hot = window->hot;
  switch (event->type()) {
    case QEvent::Move:
      control_->update();
      return false;
    case QEvent::FocusIn:
      record->focused = true;
      return false;
    case QEvent::FocusOut:
      record->focused = false;
      return false;
    case QEvent::Paint: {
      const QImage look = engine_->RenderButton(control_);
      QPainter painter(control_);
      painter.setCompositionMode(QPainter::CompositionMode_Source);
      painter.drawImage(QPoint(0, 0), look);
      return true;
    }
    case QEvent::MouseMove:
      hot.buttonUnderMouse = index;
      if (hot.lastHotButton != index || hot.forceHotRedraw) {
        hot.lastHotButton = index;
        hot.forceHotRedraw = false;
        control_->repaint();
      }
      return false;
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) hot.lastHotButton = 0;
      return false;
    case QEvent::MouseButtonDblClick:
      // Qt would take it as a second press: a check box would toggle twice.
      return true;
    case QEvent::Leave:
      if (hot.lastHotButton == index) hot.lastHotButton = 0;
      control_->repaint();
      return false;
    default:
      return false;
  }
}

}  // namespace vexo
