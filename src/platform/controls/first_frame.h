#pragma once
// Work that waits for a window's first frame: it runs on the user-interface
// thread once the window has painted for the first time and that paint has
// gone out, so nothing it costs (loading libraries, starting threads) comes
// between the start of the program and a complete window on the screen.
#include <functional>

class QWidget;

namespace vexo {

// Queues `work` behind the first paint of `window`; when the window has
// painted already, the work runs from the event loop right away.
void RunAfterFirstFrame(QWidget* window, std::function<void()> work);

}  // namespace vexo
