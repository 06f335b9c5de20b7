#pragma once
// libmpv, loaded at run time. Loading the library and its decoders costs
// about a tenth of a second and holds the dynamic loader, so it is kept off
// the path to the first painted window: the player starts the load in the
// background once its first frame is on the screen, and the first open waits
// for it.
#include <mpv/client.h>

#include <initializer_list>

namespace vexo {

// The libmpv functions the media engine uses, resolved by name.
struct MpvLibrary {
  decltype(&mpv_create) create = nullptr;
  decltype(&mpv_initialize) initialize = nullptr;
  decltype(&mpv_terminate_destroy) terminate_destroy = nullptr;
  decltype(&mpv_set_option_string) set_option_string = nullptr;
  decltype(&mpv_command) command = nullptr;
  decltype(&mpv_set_property) set_property = nullptr;
  decltype(&mpv_get_property) get_property = nullptr;
  decltype(&mpv_get_property_string) get_property_string = nullptr;
  decltype(&mpv_free) free = nullptr;
  decltype(&mpv_wait_event) wait_event = nullptr;
  decltype(&mpv_set_wakeup_callback) set_wakeup_callback = nullptr;
};

// Starts loading libmpv on a background thread and returns at once. Calling it
// again does nothing. Call it on the user-interface thread: it also sets the
// numeric locale libmpv insists on.
void PreloadMediaLibrary();

// The loaded library, waiting for a load in progress (and starting one when
// none was started); null when libmpv cannot be loaded or lacks a function.
const MpvLibrary* MediaLibrary();

// Loads the first of the named libraries that exists and resolves every
// function the engine uses; null when none loads or one lacks a function.
// The loaded library stays for the whole run.
const MpvLibrary* LoadMpvLibrary(std::initializer_list<const char*> file_names);

// Makes sure the numeric locale is "C", as libmpv requires before it creates a
// handle. Qt sets the locale from the environment when the application object
// is made, so this runs again before every new handle; it is cheap.
void EnsureNumericLocale();

}  // namespace vexo
