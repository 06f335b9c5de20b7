#pragma once
// Waiting while the window keeps working.

namespace vexo {

// Returns after `ms` milliseconds (at once for 0 or less), processing window
// events meanwhile: a one-shot timer ends a nested event loop, so nothing spins.
// A wait that starts inside another one ends first; the outer one returns once
// both its own time has passed and the inner wait has returned.
void WaitWithEvents(int ms);

}  // namespace vexo
