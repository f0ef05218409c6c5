#include "os/linux/SessionMemory.h"

#include <cstdlib>  // defines __GLIBC__ on glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace velkor::sim {

void KeepFreedMemory() {
#if defined(__GLIBC__)
  // Blocks below 32 MiB (the most glibc accepts) come from the heap, and up
  // to 256 MiB of free heap stays with the process.
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
  mallopt(M_TRIM_THRESHOLD, 256 << 20);
#endif
}

}  // namespace velkor::sim
