#include "net/curl_session.h"

#include "net/curl_library.h"

#include <array>
#include <mutex>

namespace vexo {
namespace {

// One lock per kind of shared data libcurl asks for.
std::array<std::mutex, CURL_LOCK_DATA_LAST>& ShareLocks() {
  static std::array<std::mutex, CURL_LOCK_DATA_LAST> locks;
  return locks;
}

void LockShare(CURL*, curl_lock_data data, curl_lock_access, void*) {
  ShareLocks()[static_cast<std::size_t>(data)].lock();
}

void UnlockShare(CURL*, curl_lock_data data, void*) {
  ShareLocks()[static_cast<std::size_t>(data)].unlock();
}

CURLSH* CreateShare() {
  const CurlLibrary* curl = NetworkLibrary();
  if (curl == nullptr) return nullptr;
  CURLSH* share = curl->share_init();
  if (share == nullptr) return nullptr;
  curl->share_setopt(share, CURLSHOPT_LOCKFUNC, LockShare);
  curl->share_setopt(share, CURLSHOPT_UNLOCKFUNC, UnlockShare);
  curl->share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_COOKIE);
  curl->share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_DNS);
  curl->share_setopt(share, CURLSHOPT_SHARE, CURL_LOCK_DATA_SSL_SESSION);
  return share;
}

}  // namespace

CURLSH* SharedCookieStore() {
  // Never released: requests on worker threads may outlive main().
  static CURLSH* const share = CreateShare();
  return share;
}

}  // namespace vexo
