#pragma once
// The stall probe, for the benchmarks and the soak run. With VEXO_STALL_PROBE
// set, a precise timer ticks every few milliseconds on the user-interface
// thread; a tick that comes later than its interval shows how long the
// thread could not answer. Every lateness over a frame (16 ms) is a stall,
// one line each, with when it ended, and a summary when the program ends:
//   vexo-stall <late ms> <ms since the probe started> <own late ms>
//   vexo-stall-summary <longest in ms> <stalls over 16 ms> <stalls over 50 ms>
// The own lateness leaves out the time the thread waited for a processor (its
// scheduler statistics), so a busy machine does not pass for a stalled
// player. The lines go to stderr, or are appended to the file the variable
// names when it is a path (it holds a '/'). Without the variable nothing is
// installed.

namespace vexo {

void InstallStallProbe();

}  // namespace vexo
