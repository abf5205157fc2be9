#pragma once

#ifdef _WIN32
#include <windows.h>
#endif

namespace pennoc::test {

// Whether the system converts GB18030 at all. Wine, and Windows installs stripped of their extra code pages,
// lack code page 54936; the Linux build converts through Qt and ICU, always there.
inline bool systemConvertsGb18030() {
#ifdef _WIN32
    return IsValidCodePage(54936);
#else
    return true;
#endif
}

inline constexpr const char* kNoGb18030 = "this system has no GB18030 converter (code page 54936)";

} // namespace pennoc::test
