#pragma once
// Libraries loaded at run time rather than with the program (the media
// engine, the HTTP client, the sound server's client): opening the first of
// several file names, resolving functions by name, and a load that runs once,
// in the background when started early or on the thread that first needs it.
#include <functional>
#include <future>
#include <initializer_list>
#include <mutex>
#include <system_error>
#include <thread>

namespace vexo {

// The first of `fileNames` that loads (its symbols kept to itself), or null.
void* OpenRunTimeLibrary(std::initializer_list<const char*> fileNames);
void CloseRunTimeLibrary(void* library);
void* LookUpSymbol(void* library, const char* name);

// Looks `name` up in `library` into `slot`; false when it is missing.
template <typename F>
bool ResolveFunction(void* library, const char* name, F* slot) {
  *slot = reinterpret_cast<F>(LookUpSymbol(library, name));
  return *slot != nullptr;
}

// Makes an ordinary end of the process (return from main, exit()) wait for
// `wait` first, so the teardown of the program's libraries never runs under
// a thread still inside one of them. The player ends through quick_exit,
// which waits for nothing.
void WaitAtExit(std::function<void()> wait);

// A value made once by `make`: Start() makes it on a thread of its own and
// returns at once; Get() waits for it, making it on the calling thread when
// nothing started it before (or no thread could be had). An ordinary end of
// the process waits for a making still under way.
template <typename T>
class OnceInBackground {
 public:
  explicit OnceInBackground(T (*make)()) : make_(make) {}

  void Start() { Begin(true); }
  T Get() {
    Begin(false);
    return result_.get();
  }

 private:
  void Begin(bool inBackground) {
    std::call_once(started_, [&] {
      std::packaged_task<T()> task(make_);
      result_ = task.get_future().share();
      if (inBackground) {
        try {
          std::thread(std::move(task)).detach();
          WaitAtExit([result = result_] { result.wait(); });
          return;
        } catch (const std::system_error&) {
          task = std::packaged_task<T()>(make_);  // no thread to spare
          result_ = task.get_future().share();
        }
      }
      task();
    });
  }

  T (*make_)();
  std::once_flag started_;
  std::shared_future<T> result_;
};

}  // namespace vexo
