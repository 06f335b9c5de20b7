// Skinned sliders: the engine paints the whole slider (the platform style
// never does) and repaints it once when the mouse enters and once when it
// leaves; dragging, keys and the range stay the slider's own.
#include <QPainter>

#include "skin/control_constants.h"
#include "skin/control_events.h"
#include "skin/skin_engine.h"

namespace vexo {

using namespace skin;

bool SliderEvents::eventFilter(QObject* watched, QEvent* event) {
  WindowRecord* window = nullptr;
  int index = 0;
  SliderRecord* record =
      engine_->ControlRecordOf(control_, &WindowRecord::sliders, &window, &index);
  if (record == nullptr || watched != control_) return false;
  HotControl& hot = window->hot;
  switch (event->type()) {
    case QEvent::Move:
      control_->update();
      return false;
    case QEvent::Paint: {
      const QImage look = engine_->RenderSlider(control_);
      QPainter painter(control_);
      painter.setCompositionMode(QPainter::CompositionMode_Source);
      painter.drawImage(QPoint(0, 0), look);
      return true;
    }
    case QEvent::MouseMove:
      hot.underMouse = index;
      if (hot.index != index || hot.kind != kHotKindSlider) {
        record->hot = true;
        control_->repaint();
      }
      hot.index = index;
      hot.kind = kHotKindSlider;
      hot.parent = control_->parentWidget();
      return false;
    case QEvent::Leave:
      hot.index = 0;
      record->hot = false;
      control_->repaint();
      return false;
    default:
      return false;
  }
}

}  // namespace vexo
