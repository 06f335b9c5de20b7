#include "app/startup_probe.h"

#include "platform/controls/window.h"

namespace vexo {

void InstallStartupProbe(Window& window) {
  InstallFirstPaintProbe(window.Frame());
}

}  // namespace vexo
