#include "skin/working_set_trim.h"

#include <thread>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace vexo {

void TrimWorkingSet() {
#if defined(__GLIBC__)
  std::thread([] { malloc_trim(0); }).detach();
#endif
}

}  // namespace vexo
