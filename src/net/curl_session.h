#pragma once
// What every request of the process shares: libcurl's global set-up and the
// cookie store that requests without their own cookie text keep and send
// cookies through. Both are created on first use, thread-safely, and live
// until the process ends (a worker may still be using them at exit).
#include <curl/curl.h>

namespace vexo {

// The share handle holding the process-wide cookie store; null when libcurl
// cannot be loaded.
CURLSH* SharedCookieStore();

}  // namespace vexo
