#pragma once

namespace pennoc {

// Hands the memory freed since the start back to the system: reading the notes leaves gaps between what the
// session keeps, which the allocator would otherwise hold on to all day.
void releaseFreedMemory();

} // namespace pennoc
