#include "platform/sound/mpv_library.h"

#include <dlfcn.h>
#include <sys/resource.h>

#include <clocale>
#include <cstring>
#include <future>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

namespace vexo {
namespace {

// The file names tried, the versioned one first (the unversioned name exists
// only where the development package is installed).
constexpr const char* kLibraryNames[] = {"libmpv.so.2", "libmpv.so"};

template <typename F>
bool Resolve(void* library, const char* name, F* slot) {
  *slot = reinterpret_cast<F>(dlsym(library, name));
  return *slot != nullptr;
}

// How much the loading thread yields to the user-interface thread, which is
// painting the first window at the same moment.
constexpr int kLoaderNiceness = 10;

void LowerThisThreadsPriority() {
#ifdef __linux__
  // On Linux a thread has a niceness of its own; elsewhere this is skipped.
  setpriority(PRIO_PROCESS, 0, kLoaderNiceness);
#endif
}

}  // namespace

const MpvLibrary* LoadMpvLibrary(std::initializer_list<const char*> file_names) {
  void* library = nullptr;
  for (const char* name : file_names) {
    library = dlopen(name, RTLD_NOW | RTLD_LOCAL);
    if (library != nullptr) break;
  }
  if (library == nullptr) return nullptr;
  // One table per loaded library, kept (like the library) for the whole run.
  static std::mutex tables_mutex;
  static auto* tables = new std::map<void*, std::unique_ptr<MpvLibrary>>;
  std::lock_guard lock(tables_mutex);
  if (auto known = tables->find(library); known != tables->end()) {
    dlclose(library);  // the count taken by this dlopen
    return known->second.get();
  }
  auto table = std::make_unique<MpvLibrary>();
  const bool complete = Resolve(library, "mpv_create", &table->create) &&
                        Resolve(library, "mpv_initialize", &table->initialize) &&
                        Resolve(library, "mpv_terminate_destroy", &table->terminate_destroy) &&
                        Resolve(library, "mpv_set_option_string", &table->set_option_string) &&
                        Resolve(library, "mpv_command", &table->command) &&
                        Resolve(library, "mpv_set_property", &table->set_property) &&
                        Resolve(library, "mpv_get_property", &table->get_property) &&
                        Resolve(library, "mpv_get_property_string", &table->get_property_string) &&
                        Resolve(library, "mpv_free", &table->free) &&
                        Resolve(library, "mpv_wait_event", &table->wait_event) &&
                        Resolve(library, "mpv_set_wakeup_callback", &table->set_wakeup_callback);
  if (!complete) {
    dlclose(library);
    return nullptr;
  }
  return tables->emplace(library, std::move(table)).first->second.get();
}

namespace {

const MpvLibrary* LoadLibrary() {
  return LoadMpvLibrary({kLibraryNames[0], kLibraryNames[1]});
}

std::once_flag g_started;
std::shared_future<const MpvLibrary*> g_library;

void StartLoad() {
  std::call_once(g_started, [] {
    std::packaged_task<const MpvLibrary*()> task([] {
      LowerThisThreadsPriority();
      return LoadLibrary();
    });
    g_library = task.get_future().share();
    try {
      std::thread(std::move(task)).detach();
    } catch (const std::system_error&) {
      // No thread to spare: load on the calling thread instead.
      std::packaged_task<const MpvLibrary*()> inline_task(LoadLibrary);
      g_library = inline_task.get_future().share();
      inline_task();
    }
  });
}

}  // namespace

void EnsureNumericLocale() {
  // The locale is process-wide; this runs on the user-interface thread, and
  // changes it only when Qt has set it from the environment.
  const char* current = std::setlocale(LC_NUMERIC, nullptr);  // NOLINT(concurrency-mt-unsafe)
  if (current == nullptr || std::strcmp(current, "C") != 0) {
    std::setlocale(LC_NUMERIC, "C");  // NOLINT(concurrency-mt-unsafe)
  }
}

void PreloadMediaLibrary() {
  EnsureNumericLocale();
  StartLoad();
}

const MpvLibrary* MediaLibrary() {
  StartLoad();
  return g_library.get();
}

}  // namespace vexo
