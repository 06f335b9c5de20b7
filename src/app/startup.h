#pragma once
// Bringing the player up, in its fixed order.
#include <memory>

namespace vexo {

class MainWindow;

// Creates the global state, registers the exit routine, starts the skin
// module, creates the main window with its event table and shows it centred
// (its created handler runs first). The caller then processes window events.
std::unique_ptr<MainWindow> StartPlayer();

}  // namespace vexo
