#include "net/curl_library.h"

#include <dlfcn.h>

#include <future>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>

namespace vexo {
namespace {

// The versioned name first: the unversioned one exists only where the
// development package is installed.
constexpr const char* kLibraryNames[] = {"libcurl.so.4", "libcurl.so"};

template <typename F>
bool Resolve(void* library, const char* name, F* slot) {
  *slot = reinterpret_cast<F>(dlsym(library, name));
  return *slot != nullptr;
}

const CurlLibrary* Load() {
  void* library = nullptr;
  for (const char* name : kLibraryNames) {
    if ((library = dlopen(name, RTLD_NOW | RTLD_LOCAL)) != nullptr) break;
  }
  if (library == nullptr) return nullptr;
  auto t = std::make_unique<CurlLibrary>();
  const bool complete = Resolve(library, "curl_global_init", &t->global_init) &&
                        Resolve(library, "curl_easy_init", &t->easy_init) &&
                        Resolve(library, "curl_easy_cleanup", &t->easy_cleanup) &&
                        Resolve(library, "curl_easy_setopt", &t->easy_setopt) &&
                        Resolve(library, "curl_easy_getinfo", &t->easy_getinfo) &&
                        Resolve(library, "curl_easy_perform", &t->easy_perform) &&
                        Resolve(library, "curl_share_init", &t->share_init) &&
                        Resolve(library, "curl_share_setopt", &t->share_setopt) &&
                        Resolve(library, "curl_slist_append", &t->slist_append) &&
                        Resolve(library, "curl_slist_free_all", &t->slist_free_all);
  if (!complete || t->global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
    dlclose(library);
    return nullptr;
  }
  // Kept, like the library, for the whole run: requests on workers may
  // outlive main().
  return t.release();
}

std::once_flag g_started;
std::shared_future<const CurlLibrary*> g_library;

void StartLoad() {
  std::call_once(g_started, [] {
    std::packaged_task<const CurlLibrary*()> task(Load);
    g_library = task.get_future().share();
    try {
      std::thread(std::move(task)).detach();
    } catch (const std::system_error&) {
      // No thread to spare: load on the calling thread instead.
      std::packaged_task<const CurlLibrary*()> inline_task(Load);
      g_library = inline_task.get_future().share();
      inline_task();
    }
  });
}

}  // namespace

void PreloadNetworkLibrary() {
  StartLoad();
}

const CurlLibrary* NetworkLibrary() {
  StartLoad();
  return g_library.get();
}

}  // namespace vexo
