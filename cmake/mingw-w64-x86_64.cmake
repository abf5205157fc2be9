# Cross-builds for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64-posix), whose threads
# std::thread and std::mutex need.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(PENNOC_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PENNOC_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PENNOC_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${PENNOC_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${PENNOC_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The programs that need no Qt run where no MinGW runtime DLLs are installed (a fresh Wine prefix). Qt and the
# whole program ship the runtime's DLLs beside them instead, so that all of them share one runtime.
set(PENNOC_MINGW_STATIC_RUNTIME ON CACHE BOOL "Link the MinGW runtime into each program and module")
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES PENNOC_MINGW_STATIC_RUNTIME)
if(PENNOC_MINGW_STATIC_RUNTIME)
    set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
    set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
endif()
