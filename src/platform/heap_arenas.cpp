#include "platform/heap_arenas.h"

#include <cstdlib>  // defines __GLIBC__ where the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace vexo {

void LimitHeapArenas() {
#if defined(__GLIBC__)
  mallopt(M_ARENA_MAX, kHeapArenas);
#endif
}

}  // namespace vexo
