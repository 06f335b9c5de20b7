#pragma once
// How the program ends: at once, through the exit routine, never waiting for a
// worker thread and never tripping over one that still runs.
#include <functional>

namespace vexo {

// Registers the exit routine so that it runs whenever the program ends (the
// player always ends through ExitProgram).
void RegisterExitRoutine();

// A step the exit routine runs before it releases the global state (the
// subsystems release their module state here). Run in the reverse order of
// registration.
void AddExitStep(std::function<void()> step);

// The exit routine itself: runs the steps, releases the global state. Runs
// once; later calls do nothing.
void RunExitRoutine();

// Ends the program with `status` through the exit routine; does not return.
[[noreturn]] void ExitProgram(int status);

}  // namespace vexo
