#include "core/platform/allocator.h"

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace allocator {

bool mapLargeBlocks() {
#if defined(__GLIBC__)
    return mallopt(M_MMAP_THRESHOLD, static_cast<int>(largeBlockBytes)) == 1 &&
           mallopt(M_TRIM_THRESHOLD, static_cast<int>(keptTopBytes)) == 1;
#else
    return false;
#endif
}

} // namespace allocator
