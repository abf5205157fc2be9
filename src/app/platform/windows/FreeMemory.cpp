#include "app/platform/FreeMemory.h"

#include <windows.h>

namespace pennoc {

void releaseFreedMemory() {
    HeapCompact(GetProcessHeap(), 0);
}

} // namespace pennoc
