// Skinned edit boxes: a ring around the text (hot when the mouse has just
// come over the box, in the theme colour when focused) and the veiled picture
// under the text; the edit box draws its own text and caret over them.
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "skin/control_constants.h"
#include "skin/control_events.h"
#include "skin/skin_engine.h"

namespace vexo {

using namespace skin;

bool EditEvents::eventFilter(QObject* watched, QEvent* event) {
  WindowRecord* window = nullptr;
  int index = 0;
  EditRecord* record = engine_->ControlRecordOf(control_, &WindowRecord::edits, &window, &index);
  if (record == nullptr || watched != control_) return false;
  HotControl& hot = window->hot;
  const bool veil = engine_->Settings().veilAlphaGiven;
  switch (event->type()) {
    case QEvent::Move:
      if (veil) control_->update();
      return false;
    case QEvent::FocusIn:
      record->focused = true;
      return false;
    case QEvent::FocusOut:
      record->focused = false;
      control_->update();
      return false;
    case QEvent::Paint: {
      const QRegion ring = SkinEngine::RingOf(control_);
      const bool drawHot = record->hotOnce;
      // A paint that reaches the ring uses up the hot look (a caret blink
      // does not): typing takes it away until the mouse comes again.
      if (static_cast<QPaintEvent*>(event)->region().intersects(ring)) record->hotOnce = false;
      const QImage look = engine_->RenderEdit(control_, drawHot);
      QPainter painter(control_);
      painter.setCompositionMode(QPainter::CompositionMode_Source);
      if (!veil) painter.setClipRegion(ring);
      painter.drawImage(QPoint(0, 0), look);
      return false;
    }
    case QEvent::KeyPress:
      if (veil) control_->update();
      return false;
    case QEvent::MouseButtonPress:
      if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
      record->buttonDown = true;
      if (veil) control_->update();
      return false;
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) record->buttonDown = false;
      return false;
    case QEvent::MouseMove:
      hot.underMouse = index;
      if (hot.index != index || hot.kind != kHotKindEdit ||
          hot.parent != control_->parentWidget()) {
        record->hotOnce = true;
        control_->repaint();
      }
      hot.index = index;
      hot.kind = kHotKindEdit;
      hot.parent = control_->parentWidget();
      if (record->buttonDown && veil) control_->update();
      return false;
    case QEvent::Leave:
      hot.index = 0;
      record->hotOnce = false;
      control_->update();
      return false;
    default:
      return false;
  }
}

}  // namespace vexo
