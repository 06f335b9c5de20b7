#include "net/curl_library.h"

#include "platform/run_time_library.h"

namespace vexo {
namespace {

// The versioned name first: the unversioned one exists only where the
// development package is installed.
constexpr const char* kLibraryNames[] = {"libcurl.so.4", "libcurl.so"};

const CurlLibrary* Load() {
  void* library = OpenRunTimeLibrary({kLibraryNames[0], kLibraryNames[1]});
  if (library == nullptr) return nullptr;
  // Loaded once, and kept (like the library) for the whole run: requests on
  // workers may outlive main().
  static CurlLibrary table;
  CurlLibrary* t = &table;
  const bool complete = ResolveFunction(library, "curl_global_init", &t->global_init) &&
                        ResolveFunction(library, "curl_easy_init", &t->easy_init) &&
                        ResolveFunction(library, "curl_easy_cleanup", &t->easy_cleanup) &&
                        ResolveFunction(library, "curl_easy_setopt", &t->easy_setopt) &&
                        ResolveFunction(library, "curl_easy_getinfo", &t->easy_getinfo) &&
                        ResolveFunction(library, "curl_easy_perform", &t->easy_perform) &&
                        ResolveFunction(library, "curl_share_init", &t->share_init) &&
                        ResolveFunction(library, "curl_share_setopt", &t->share_setopt) &&
                        ResolveFunction(library, "curl_slist_append", &t->slist_append) &&
                        ResolveFunction(library, "curl_slist_free_all", &t->slist_free_all);
  if (!complete || t->global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK) {
    CloseRunTimeLibrary(library);
    return nullptr;
  }
  return t;
}

OnceInBackground<const CurlLibrary*> g_library(Load);

}  // namespace

void PreloadNetworkLibrary() {
  g_library.Start();
}

const CurlLibrary* NetworkLibrary() {
  return g_library.Get();
}

}  // namespace vexo
