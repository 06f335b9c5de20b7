// Skinned list headers: the engine paints every section (the header's own
// painting never runs), tracks the section under the mouse and the pressed
// one, and repaints when the hot section changes, or on every move over the
// header's empty part.
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>

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
  QWidget* viewport = header->viewport();
  if (watched == header) {
    if (event->type() == QEvent::Move) viewport->update();
    return false;
  }
  if (watched != viewport) return false;
  HotControl& hot = window->hot;
  switch (event->type()) {
    case QEvent::Paint: {
      const QImage look = engine_->RenderHeader(header);
      QPainter painter(viewport);
      painter.setCompositionMode(QPainter::CompositionMode_Source);
      painter.drawImage(QPoint(0, 0), look);
      return true;
    }
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      hot.underMouse = index;
      record->hot = true;
      record->hotItem = SectionAt(header, mouse->position().toPoint().x());
      hot.kind = kHotKindHeader;
      if (record->hotItem != record->lastPaintedHotItem && record->hotItem >= 1 &&
          !record->buttonDown) {
        viewport->repaint();
        record->lastPaintedHotItem = record->hotItem;
      } else if (record->hotItem == 0) {
        record->lastPaintedHotItem = 0;
        record->hot = false;
        viewport->repaint();
      }
      hot.index = index;
      hot.parent = header->parentWidget();
      return false;
    }
    case QEvent::MouseButtonPress:
      if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
      record->buttonDown = true;
      if (record->hotItem >= 1) record->pressedItem = record->hotItem;
      viewport->update();
      return false;
    case QEvent::MouseButtonRelease:
      if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) return false;
      record->buttonDown = false;
      record->pressedItem = 0;
      viewport->update();
      return false;
    case QEvent::Leave:
      hot.index = 0;
      record->lastPaintedHotItem = 0;
      record->hotItem = 0;
      record->hot = false;
      viewport->repaint();
      return false;
    default:
      return false;
  }
}

}  // namespace vexo
