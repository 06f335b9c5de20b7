#pragma once
// For the soak run: with VEXO_STALL_PROBE naming a file, the player runs a
// 10 ms timer on its user-interface thread and appends one line a second to
// that file:
//   vexo-ui <seconds since start> <longest lateness ms> <longest own lateness ms>
// A tick's lateness is how much later than its interval it ran: time the
// thread spent in other work (a stall) plus time it waited for a processor.
// The own lateness leaves that wait out, as the thread's scheduler statistics
// count it, so a busy machine does not pass for a stalled player. Without the
// variable nothing is installed.

namespace vexo {

void InstallStallProbe();

}  // namespace vexo
