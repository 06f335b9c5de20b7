#pragma once
// Probes for the benchmarks, each installed only when its environment switch
// is set, so an ordinary run carries none of them.
//
// VEXO_STARTUP_PROBE: one line on stderr when the window has painted for the
// first time:
//   vexo-first-paint <wall clock in ns> <resident memory in KiB>
// and, when the switch is "exit", ends the program right after it (for
// profiles of the start alone).
class QWidget;

namespace vexo {

class Window;

void InstallStartupProbe(Window& window);
// The same probe on any top-level widget (the bare window of the start-up
// benchmark uses it, so both report alike).
void InstallFirstPaintProbe(QWidget* frame);

}  // namespace vexo
