// The image a control painter draws on: the background behind the control,
// made at the control's device pixel ratio so the look stays sharp on
// high-resolution screens.
#include "skin/skin_engine.h"

namespace vexo {

QImage SkinEngine::ControlSurface(const QWidget* control) const {
  return BackgroundBehind(control, control->rect(), control->devicePixelRatioF());
}

}  // namespace vexo
