#pragma once
// Starting background work: a routine on a thread of its own that runs at
// once and is never waited for, unless the caller asks for its handle.
#include <functional>
#include <thread>

namespace vexo {

// Runs routine on a new thread. With handle null the thread is detached and
// leaves nothing behind; otherwise the thread is stored in *handle (a thread
// already held there is let go to run on, detached) and the caller may join
// it. True when the thread was created.
bool StartThread(std::function<void()> routine, std::thread* handle = nullptr);

// How many routines started here are still running (the tests wait for the
// workers of a song to end before its controls go).
int RunningThreadCount();

// The same with an int parameter handed to the routine.
bool StartThread(std::function<void(int)> routine, int parameter, std::thread* handle = nullptr);

}  // namespace vexo
