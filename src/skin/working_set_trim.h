#pragma once
// Giving memory back when the player goes to the background: free heap pages
// are released to the system on a thread of their own (no program is written
// or run for it). At most one release runs at a time.
#include <functional>

namespace vexo {

// Releases the free heap pages of the process.
void ReleaseFreeHeapPages();

// Starts `release` on a thread of its own and returns at once; does nothing
// and returns false while an earlier one still runs.
bool TrimWorkingSet(std::function<void()> release = ReleaseFreeHeapPages);

// Whether a release runs now, and how many have started (tests and
// benchmarks read them).
bool WorkingSetTrimRunning();
int WorkingSetTrimsStarted();

}  // namespace vexo
