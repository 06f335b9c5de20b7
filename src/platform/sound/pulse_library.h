#pragma once
// The sound server's client library, loaded at run time on the first volume
// step: it and the libraries it brings (codecs, D-Bus, ...) are not needed
// before a volume key is pressed, so they stay off the program's start.
#include <pulse/pulseaudio.h>

namespace vexo {

// The client functions the volume step uses, resolved by name.
struct PulseLibrary {
  decltype(&pa_mainloop_new) mainloop_new = nullptr;
  decltype(&pa_mainloop_free) mainloop_free = nullptr;
  decltype(&pa_mainloop_get_api) mainloop_get_api = nullptr;
  decltype(&pa_mainloop_prepare) mainloop_prepare = nullptr;
  decltype(&pa_mainloop_poll) mainloop_poll = nullptr;
  decltype(&pa_mainloop_dispatch) mainloop_dispatch = nullptr;
  decltype(&pa_context_new) context_new = nullptr;
  decltype(&pa_context_connect) context_connect = nullptr;
  decltype(&pa_context_disconnect) context_disconnect = nullptr;
  decltype(&pa_context_unref) context_unref = nullptr;
  decltype(&pa_context_get_state) context_get_state = nullptr;
  decltype(&pa_context_get_server_info) context_get_server_info = nullptr;
  decltype(&pa_context_get_sink_info_by_name) context_get_sink_info_by_name = nullptr;
  decltype(&pa_context_set_sink_volume_by_name) context_set_sink_volume_by_name = nullptr;
  decltype(&pa_context_set_sink_mute_by_name) context_set_sink_mute_by_name = nullptr;
  decltype(&pa_operation_get_state) operation_get_state = nullptr;
  decltype(&pa_operation_cancel) operation_cancel = nullptr;
  decltype(&pa_operation_unref) operation_unref = nullptr;
  decltype(&pa_cvolume_max) cvolume_max = nullptr;
  decltype(&pa_cvolume_set) cvolume_set = nullptr;
  decltype(&pa_cvolume_scale) cvolume_scale = nullptr;
};

// The loaded library, loading it on the first call (thread-safe); null when
// the library is missing or lacks a function. It stays for the whole run.
const PulseLibrary* SoundServerLibrary();

}  // namespace vexo
