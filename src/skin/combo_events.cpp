// Skinned combo boxes: the record follows the focus and the mouse; the edit
// part and the list are skinned with their own kinds.
#include "skin/control_events.h"
#include "skin/skin_engine.h"

namespace vexo {

bool ComboEvents::eventFilter(QObject* watched, QEvent* event) {
  ComboRecord* record = engine_->ControlRecordOf(control_, &WindowRecord::combos);
  if (record == nullptr || watched != control_) return false;
  switch (event->type()) {
    case QEvent::FocusIn:
      record->focused = true;
      return false;
    case QEvent::FocusOut:
      record->focused = false;
      return false;
    case QEvent::Enter:
      record->hot = true;
      return false;
    case QEvent::Leave:
      record->hot = false;
      return false;
    default:
      return false;
  }
}

}  // namespace vexo
