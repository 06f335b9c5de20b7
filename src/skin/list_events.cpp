// Skinned lists: the focus (on the view), the mouse (on its viewport) and the
// arrow keys follow the list.
#include <QKeyEvent>

#include "skin/control_events.h"
#include "skin/skin_engine.h"

namespace vexo {

namespace {

bool IsArrowKey(int key) {
  return key == Qt::Key_Left || key == Qt::Key_Up || key == Qt::Key_Right || key == Qt::Key_Down;
}

}  // namespace

bool ListEvents::eventFilter(QObject* watched, QEvent* event) {
  WindowRecord* window = nullptr;
  int index = 0;
  ListRecord* record = engine_->ControlRecordOf(control_, &WindowRecord::lists, &window, &index);
  if (record == nullptr) return false;
  HotControl& hot = window->hot;
  switch (event->type()) {
    case QEvent::FocusIn:
      if (watched == control_) record->focused = true;
      return false;
    case QEvent::FocusOut:
      if (watched == control_) record->focused = false;
      return false;
    case QEvent::KeyPress:
      if (IsArrowKey(static_cast<QKeyEvent*>(event)->key())) record->arrowKey = true;
      return false;
    case QEvent::KeyRelease:
      record->arrowKey = false;
      return false;
    case QEvent::MouseMove:
      hot.underMouse = index;
      record->hot = true;
      hot.index = index;
      hot.parent = control_->parentWidget();
      return false;
    case QEvent::Leave:
      hot.index = 0;
      record->hot = false;
      return false;
    default:
      return false;
  }
}

}  // namespace vexo
