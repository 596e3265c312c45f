# Cross toolchain: 64-bit Windows programs from Linux with mingw-w64 (posix threads).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VORLIX_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VORLIX_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VORLIX_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VORLIX_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${VORLIX_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test programs run under Wine; the wrapper finds the prefix and display that
# tools/with-wine-desktop.sh set up around the test run.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../tools/wine-exec.sh)
