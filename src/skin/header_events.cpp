// Skinned list headers: the section under the mouse and the pressed section
// follow the mouse over the header's viewport.
#include <QHeaderView>
#include <QMouseEvent>

#include "skin/control_constants.h"
#include "skin/control_events.h"
#include "skin/skin_engine.h"

namespace vexo {

using namespace skin;

namespace {

// The 1-based visual section under `x` of the viewport, 0 for none.
int SectionAt(const QHeaderView* header, int x) {
  const int logical = header->logicalIndexAt(x);
  return logical < 0 ? 0 : header->visualIndex(logical) + 1;
}

}  // namespace

bool HeaderEvents::eventFilter(QObject* watched, QEvent* event) {
  WindowRecord* window = nullptr;
  int index = 0;
  HeaderRecord* record =
      engine_->ControlRecordOf(control_, &WindowRecord::headers, &window, &index);
  if (record == nullptr) return false;
  auto* header = static_cast<QHeaderView*>(control_);
  if (watched != header->viewport()) return false;
  HotControl& hot = window->hot;
  switch (event->type()) {
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      hot.underMouse = index;
      record->hot = true;
      record->hotItem = SectionAt(header, mouse->position().toPoint().x());
      hot.kind = kHotKindHeader;
      if (record->hotItem == 0) {
        record->lastPaintedHotItem = 0;
        record->hot = false;
      } else if (record->hotItem != record->lastPaintedHotItem && !record->buttonDown) {
        record->lastPaintedHotItem = record->hotItem;
      }
      hot.index = index;
      hot.parent = header->parentWidget();
      return false;
    }
    case QEvent::MouseButtonPress:
      if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
      record->buttonDown = true;
      if (record->hotItem >= 1) record->pressedItem = record->hotItem;
      return false;
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
      record->buttonDown = false;
      record->pressedItem = 0;
      return false;
    case QEvent::Leave:
      hot.index = 0;
      record->lastPaintedHotItem = 0;
      record->hotItem = 0;
      record->hot = false;
      return false;
    default:
      return false;
  }
}

}  // namespace vexo
