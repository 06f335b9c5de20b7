#pragma once
// For the start-up benchmark: with VEXO_STARTUP_PROBE set, the player writes
// one line to stderr when its window has painted for the first time:
//   vexo-first-paint <wall clock in ns> <resident memory in KiB>
// Without the variable nothing is installed.

namespace vexo {

class Window;

void InstallStartupProbe(Window& window);

}  // namespace vexo
