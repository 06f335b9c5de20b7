#include "app/global_state.h"

#include "app/exit_routine.h"
#include "assets/embedded_pictures.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace vexo {
namespace {

std::unique_ptr<GlobalState> g_state;
std::mutex g_exitMutex;
std::vector<std::function<void()>> g_exitSteps;
bool g_exitDone = false;

}  // namespace

GlobalState::GlobalState() : catalogue(SongRegex, EndpointsForService(service.Address())) {
  extras.serviceAddress = catalogue.endpoints.lyricsHost;
  extras.defaultPicture = assets::DefaultSingerPicture();
}

GlobalState* Globals() {
  return g_state.get();
}

void CreateGlobals() {
  g_state = std::make_unique<GlobalState>();
}

void RegisterExitRoutine() {
  static std::once_flag once;
  // The program always ends through ExitProgram (quick_exit), while the
  // window system still stands.
  std::call_once(once, [] { std::at_quick_exit(RunExitRoutine); });
}

void AddExitStep(std::function<void()> step) {
  std::lock_guard lock(g_exitMutex);
  g_exitSteps.push_back(std::move(step));
}

void RunExitRoutine() {
  std::vector<std::function<void()>> steps;
  {
    std::lock_guard lock(g_exitMutex);
    if (g_exitDone) return;
    g_exitDone = true;
    steps.swap(g_exitSteps);
  }
  for (auto it = steps.rbegin(); it != steps.rend(); ++it)
    (*it)();
  g_state.reset();
  std::fflush(nullptr);
}

void ExitProgram(int status) {
  // quick_exit runs the exit routine but no static destructors, so a worker
  // that still runs never finds the program half torn down under it.
  std::quick_exit(status);
}

}  // namespace vexo
