#include "platform/sound/mpv_library.h"

#include <sys/resource.h>

#include <clocale>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>

#include "platform/run_time_library.h"

namespace vexo {
namespace {

// The file names tried, the versioned one first (the unversioned name exists
// only where the development package is installed).
constexpr const char* kLibraryNames[] = {"libmpv.so.2", "libmpv.so"};

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
  void* library = OpenRunTimeLibrary(file_names);
  if (library == nullptr) return nullptr;
  // One table per loaded library, kept (like the library) for the whole run.
  static std::mutex tables_mutex;
  static auto* tables = new std::map<void*, std::unique_ptr<MpvLibrary>>;
  std::lock_guard lock(tables_mutex);
  if (auto known = tables->find(library); known != tables->end()) {
    CloseRunTimeLibrary(library);  // the count taken by this opening
    return known->second.get();
  }
  auto table = std::make_unique<MpvLibrary>();
  const bool complete =
      ResolveFunction(library, "mpv_create", &table->create) &&
      ResolveFunction(library, "mpv_initialize", &table->initialize) &&
      ResolveFunction(library, "mpv_terminate_destroy", &table->terminate_destroy) &&
      ResolveFunction(library, "mpv_set_option_string", &table->set_option_string) &&
      ResolveFunction(library, "mpv_command", &table->command) &&
      ResolveFunction(library, "mpv_set_property", &table->set_property) &&
      ResolveFunction(library, "mpv_get_property", &table->get_property) &&
      ResolveFunction(library, "mpv_get_property_string", &table->get_property_string) &&
      ResolveFunction(library, "mpv_free", &table->free) &&
      ResolveFunction(library, "mpv_wait_event", &table->wait_event) &&
      ResolveFunction(library, "mpv_set_wakeup_callback", &table->set_wakeup_callback);
  if (!complete) {
    CloseRunTimeLibrary(library);
    return nullptr;
  }
  return tables->emplace(library, std::move(table)).first->second.get();
}

namespace {

const MpvLibrary* LoadLibrary() {
  return LoadMpvLibrary({kLibraryNames[0], kLibraryNames[1]});
}

const MpvLibrary* LoadAtLowPriority() {
  LowerThisThreadsPriority();
  return LoadLibrary();
}

OnceInBackground<const MpvLibrary*> g_library(LoadAtLowPriority);

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
  g_library.Start();
}

const MpvLibrary* MediaLibrary() {
  return g_library.Get();
}

}  // namespace vexo
