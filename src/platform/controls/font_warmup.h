#pragma once
// The system's font configuration, read on a worker thread while the program
// sets up its window: the first text the window measures would otherwise
// read and parse it on the user-interface thread, before the first frame.

namespace vexo {

// Starts the read and returns at once; calling it again does nothing. Where
// the platform has no such configuration, it does nothing.
void WarmUpFonts();

}  // namespace vexo
