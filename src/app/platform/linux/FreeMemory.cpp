#include "app/platform/FreeMemory.h"

#include <malloc.h>

namespace pennoc {

void releaseFreedMemory() {
    malloc_trim(0);
}

} // namespace pennoc
