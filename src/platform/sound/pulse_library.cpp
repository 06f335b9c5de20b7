#include "platform/sound/pulse_library.h"

#include <memory>

#include "platform/run_time_library.h"

namespace vexo {
namespace {

// The versioned name first: the unversioned one exists only where the
// development package is installed.
constexpr const char* kLibraryNames[] = {"libpulse.so.0", "libpulse.so"};

std::unique_ptr<PulseLibrary> Load() {
  void* library = OpenRunTimeLibrary({kLibraryNames[0], kLibraryNames[1]});
  if (library == nullptr) return nullptr;
  auto t = std::make_unique<PulseLibrary>();
  const bool complete =
      ResolveFunction(library, "pa_mainloop_new", &t->mainloop_new) &&
      ResolveFunction(library, "pa_mainloop_free", &t->mainloop_free) &&
      ResolveFunction(library, "pa_mainloop_get_api", &t->mainloop_get_api) &&
      ResolveFunction(library, "pa_mainloop_prepare", &t->mainloop_prepare) &&
      ResolveFunction(library, "pa_mainloop_poll", &t->mainloop_poll) &&
      ResolveFunction(library, "pa_mainloop_dispatch", &t->mainloop_dispatch) &&
      ResolveFunction(library, "pa_context_new", &t->context_new) &&
      ResolveFunction(library, "pa_context_connect", &t->context_connect) &&
      ResolveFunction(library, "pa_context_disconnect", &t->context_disconnect) &&
      ResolveFunction(library, "pa_context_unref", &t->context_unref) &&
      ResolveFunction(library, "pa_context_get_state", &t->context_get_state) &&
      ResolveFunction(library, "pa_context_get_server_info", &t->context_get_server_info) &&
      ResolveFunction(library, "pa_context_get_sink_info_by_name",
                      &t->context_get_sink_info_by_name) &&
      ResolveFunction(library, "pa_context_set_sink_volume_by_name",
                      &t->context_set_sink_volume_by_name) &&
      ResolveFunction(library, "pa_context_set_sink_mute_by_name",
                      &t->context_set_sink_mute_by_name) &&
      ResolveFunction(library, "pa_operation_get_state", &t->operation_get_state) &&
      ResolveFunction(library, "pa_operation_cancel", &t->operation_cancel) &&
      ResolveFunction(library, "pa_operation_unref", &t->operation_unref) &&
      ResolveFunction(library, "pa_cvolume_max", &t->cvolume_max) &&
      ResolveFunction(library, "pa_cvolume_set", &t->cvolume_set) &&
      ResolveFunction(library, "pa_cvolume_scale", &t->cvolume_scale);
  if (!complete) {
    CloseRunTimeLibrary(library);
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
