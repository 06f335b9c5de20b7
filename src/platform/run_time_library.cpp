#include "platform/run_time_library.h"

#include <dlfcn.h>

#include <cstdlib>
#include <vector>

namespace vexo {

void* OpenRunTimeLibrary(std::initializer_list<const char*> fileNames) {
  for (const char* name : fileNames) {
    if (void* library = dlopen(name, RTLD_NOW | RTLD_LOCAL)) return library;
  }
  return nullptr;
}

void CloseRunTimeLibrary(void* library) {
  if (library != nullptr) dlclose(library);
}

void* LookUpSymbol(void* library, const char* name) {
  return dlsym(library, name);
}

namespace {

// Never destroyed: the waits run from the exit handlers themselves.
std::mutex& ExitWaitsMutex() {
  static auto* mutex = new std::mutex;
  return *mutex;
}
std::vector<std::function<void()>>& ExitWaits() {
  static auto* waits = new std::vector<std::function<void()>>;
  return *waits;
}

void RunExitWaits() {
  std::vector<std::function<void()>> waits;
  {
    std::lock_guard lock(ExitWaitsMutex());
    waits.swap(ExitWaits());
  }
  for (auto& wait : waits)
    wait();
}

}  // namespace

void WaitAtExit(std::function<void()> wait) {
  static std::once_flag registered;
  std::call_once(registered, [] { std::atexit(RunExitWaits); });
  std::lock_guard lock(ExitWaitsMutex());
  ExitWaits().push_back(std::move(wait));
}

}  // namespace vexo
