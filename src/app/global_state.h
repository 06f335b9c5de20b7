#pragma once
// The player's global state: created at start-up before the window exists and
// released by the exit routine.
#include <memory>

namespace vexo {

struct GlobalState {
  // Filled in by the subsystems as they join the player.
};

// The one instance; null before start-up and after the exit routine.
GlobalState* Globals();
void CreateGlobals();

}  // namespace vexo
