#include "platform/controls/font_warmup.h"

#include <mutex>
#include <thread>

#ifdef VEXO_HAS_FONTCONFIG
#include <fontconfig/fontconfig.h>
#endif

namespace vexo {

void WarmUpFonts() {
#ifdef VEXO_HAS_FONTCONFIG
  static std::once_flag once;
  std::call_once(once, [] {
    // Fontconfig keeps one configuration per process and builds it once,
    // whichever thread asks first; Qt's font database then finds it ready.
    try {
      std::thread([] { FcInit(); }).detach();
    } catch (const std::system_error&) {
      // No thread to spare: the first text reads the configuration itself.
    }
  });
#endif
}

}  // namespace vexo
