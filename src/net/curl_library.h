#pragma once
// libcurl, loaded at run time. It and the libraries it brings (TLS, Kerberos,
// LDAP, SSH, HTTP/2 ...) cost more to load than the player's whole window,
// and no request goes out before the window shows, so the player loads it in
// the background once its first frame is on the screen; the first request
// waits for it if it is not ready yet.
#include <curl/curl.h>

namespace vexo {

// The libcurl functions the requests use, resolved by name.
struct CurlLibrary {
  CURLcode (*global_init)(long flags) = nullptr;
  CURL* (*easy_init)() = nullptr;
  void (*easy_cleanup)(CURL* handle) = nullptr;
  CURLcode (*easy_setopt)(CURL* handle, CURLoption option, ...) = nullptr;
  CURLcode (*easy_getinfo)(CURL* handle, CURLINFO info, ...) = nullptr;
  CURLcode (*easy_perform)(CURL* handle) = nullptr;
  CURLSH* (*share_init)() = nullptr;
  CURLSHcode (*share_setopt)(CURLSH* share, CURLSHoption option, ...) = nullptr;
  curl_slist* (*slist_append)(curl_slist* list, const char* line) = nullptr;
  void (*slist_free_all)(curl_slist* list) = nullptr;
};

// Starts loading libcurl on a background thread and returns at once; calling
// it again does nothing.
void PreloadNetworkLibrary();

// The loaded library, with libcurl's global set-up done, waiting for a load
// in progress (and loading it when none was started); null when libcurl
// cannot be loaded or lacks a function. Thread-safe; it stays for the run.
const CurlLibrary* NetworkLibrary();

}  // namespace vexo
