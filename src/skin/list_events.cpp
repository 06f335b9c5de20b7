// Skinned lists: a ring around the list (hot while the mouse is over its
// rows, in the theme colour when focused) and the veiled picture under the
// rows. An item view takes the focus itself and is painted and moused through
// its viewport: the one filter watches both.
#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QPainter>

#include "skin/control_constants.h"
#include "skin/control_events.h"
#include "skin/skin_engine.h"

namespace vexo {

using namespace skin;

namespace {

bool IsArrowKey(int key) {
  return key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
}

QWidget* ViewportOf(QWidget* control) {
  auto* area = qobject_cast<QAbstractScrollArea*>(control);
  return area != nullptr ? area->viewport() : nullptr;
}

}  // namespace

bool ListEvents::eventFilter(QObject* watched, QEvent* event) {
  WindowRecord* window = nullptr;
  int index = 0;
  ListRecord* record = engine_->ControlRecordOf(control_, &WindowRecord::lists, &window, &index);
  if (record == nullptr) return false;
  HotControl& hot = window->hot;
  QWidget* viewport = ViewportOf(control_);
  const bool onViewport = viewport != nullptr && watched == viewport;
  const bool veil = engine_->Settings().veilAlphaGiven;
  auto repaintRing = [this] {
    if (engine_->HasRing(control_)) control_->update(SkinEngine::RingOf(control_));
  };
  switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
      if (watched != control_) return false;
      record->focused = event->type() == QEvent::FocusIn;
      repaintRing();
      return false;
    case QEvent::Move:
      if (watched == control_ && veil) control_->update();
      return false;
    case QEvent::Paint: {
      if (onViewport) {
        // The rows lie on the picture seen through the veil; the view draws
        // them, its grid and its selection over it. A combo box's drop-down
        // list lies in a window of its own and keeps its base.
        if (record->kind == kListComboList) return false;
        const QImage veiled = engine_->RenderListBackground(viewport);
        if (veiled.isNull()) return false;
        QPainter painter(viewport);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.drawImage(QPoint(0, 0), veiled);
        return false;
      }
      if (watched != control_ || !engine_->HasRing(control_)) return false;
      const QImage ring = engine_->RenderListRing(control_);
      QPainter painter(control_);
      painter.setCompositionMode(QPainter::CompositionMode_Source);
      painter.setClipRegion(SkinEngine::RingOf(control_));
      painter.drawImage(QPoint(0, 0), ring);
      return true;
    }
    case QEvent::KeyPress:
      if (IsArrowKey(static_cast<QKeyEvent*>(event)->key())) record->arrowKey = true;
      return false;
    case QEvent::KeyRelease:
      record->arrowKey = false;
      return false;
    case QEvent::MouseMove:
      hot.underMouse = index;
      hot.index = index;
      hot.parent = control_->parentWidget();
      if (!record->hot) {
        record->hot = true;
        repaintRing();
      }
      return false;
    case QEvent::Leave:
      if (watched != control_) return false;
      hot.index = 0;
      record->hot = false;
      repaintRing();
      return false;
    default:
      return false;
  }
}

}  // namespace vexo
