#include "platform/sound/pulse_library.h"

#include <dlfcn.h>

#include <memory>

namespace vexo {
namespace {

// The versioned name first: the unversioned one exists only where the
// development package is installed.
constexpr const char* kLibraryNames[] = {"libpulse.so.0", "libpulse.so"};

template <typename F>
bool Resolve(void* library, const char* name, F* slot) {
  *slot = reinterpret_cast<F>(dlsym(library, name));
  return *slot != nullptr;
}

std::unique_ptr<PulseLibrary> Load() {
  void* library = nullptr;
  for (const char* name : kLibraryNames) {
    if ((library = dlopen(name, RTLD_NOW | RTLD_LOCAL)) != nullptr) break;
  }
  if (library == nullptr) return nullptr;
  auto t = std::make_unique<PulseLibrary>();
  const bool complete =
      Resolve(library, "pa_mainloop_new", &t->mainloop_new) &&
      Resolve(library, "pa_mainloop_free", &t->mainloop_free) &&
      Resolve(library, "pa_mainloop_get_api", &t->mainloop_get_api) &&
      Resolve(library, "pa_mainloop_prepare", &t->mainloop_prepare) &&
      Resolve(library, "pa_mainloop_poll", &t->mainloop_poll) &&
      Resolve(library, "pa_mainloop_dispatch", &t->mainloop_dispatch) &&
      Resolve(library, "pa_context_new", &t->context_new) &&
      Resolve(library, "pa_context_connect", &t->context_connect) &&
      Resolve(library, "pa_context_disconnect", &t->context_disconnect) &&
      Resolve(library, "pa_context_unref", &t->context_unref) &&
      Resolve(library, "pa_context_get_state", &t->context_get_state) &&
      Resolve(library, "pa_context_get_server_info", &t->context_get_server_info) &&
      Resolve(library, "pa_context_get_sink_info_by_name", &t->context_get_sink_info_by_name) &&
      Resolve(library, "pa_context_set_sink_volume_by_name", &t->context_set_sink_volume_by_name) &&
      Resolve(library, "pa_context_set_sink_mute_by_name", &t->context_set_sink_mute_by_name) &&
      Resolve(library, "pa_operation_get_state", &t->operation_get_state) &&
      Resolve(library, "pa_operation_cancel", &t->operation_cancel) &&
      Resolve(library, "pa_operation_unref", &t->operation_unref) &&
      Resolve(library, "pa_cvolume_max", &t->cvolume_max) &&
      Resolve(library, "pa_cvolume_set", &t->cvolume_set) &&
      Resolve(library, "pa_cvolume_scale", &t->cvolume_scale);
  if (!complete) {
    dlclose(library);
    return nullptr;
  }
  return t;
}

}  // namespace

const PulseLibrary* SoundServerLibrary() {
  // Loaded once, kept (like the library itself) for the whole run.
  static const PulseLibrary* library = Load().release();
  return library;
}

}  // namespace vexo
