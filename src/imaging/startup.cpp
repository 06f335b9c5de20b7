#include "imaging/startup.h"

#include <QGuiApplication>
#include <mutex>
#include <set>

#include "imaging/status.h"

namespace vexo {
namespace {

std::mutex g_mutex;
ImagingToken g_next_token = 1;
std::set<ImagingToken> g_live_tokens;

}  // namespace

ImagingToken ImagingStartup() {
  if (qGuiApp == nullptr) {
    ImgRecord(kStatusNotInitialized);
    return 0;
  }
  std::lock_guard<std::mutex> lock(g_mutex);
  const ImagingToken token = g_next_token++;
  g_live_tokens.insert(token);
  ImgRecord(kStatusOk);
  return token;
}

bool ImagingShutdown(ImagingToken token) {
  std::lock_guard<std::mutex> lock(g_mutex);
  if (g_live_tokens.erase(token) == 0) return ImgRecord(kStatusInvalidParameter);
  return ImgRecord(kStatusOk);
}

bool ImagingStarted() {
  std::lock_guard<std::mutex> lock(g_mutex);
  return !g_live_tokens.empty();
}

}  // namespace vexo
