#pragma once
// Giving memory back when the player goes to the background: free heap pages
// are released to the system on a thread of their own (no program is written
// or run for it).
namespace vexo {

// Starts the trim in the background and returns at once.
void TrimWorkingSet();

}  // namespace vexo
