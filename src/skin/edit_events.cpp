// Skinned edit boxes: the focus, the pressed button and the window's hot
// control follow the edit box.
#include <QMouseEvent>

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
  switch (event->type()) {
    case QEvent::FocusIn:
      record->focused = true;
      return false;
    case QEvent::FocusOut:
      record->focused = false;
      return false;
    case QEvent::MouseButtonPress:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) record->buttonDown = true;
      return false;
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) record->buttonDown = false;
      return false;
    case QEvent::MouseMove:
      hot.underMouse = index;
      hot.index = index;
      hot.kind = kHotKindEdit;
      hot.parent = control_->parentWidget();
      return false;
    case QEvent::Leave:
      hot.index = 0;
      return false;
    default:
      return false;
  }
}

}  // namespace vexo
