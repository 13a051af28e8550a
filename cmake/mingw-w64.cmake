# Cross-building the Windows program with Debian's mingw-w64 (64-bit, POSIX threads
# not needed: the program has one thread).  Tests built here run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ORTELANA_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ORTELANA_MINGW_PREFIX}-gcc)
set(CMAKE_CXX_COMPILER ${ORTELANA_MINGW_PREFIX}-g++)
set(CMAKE_RC_COMPILER ${ORTELANA_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ORTELANA_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Test programs run under Wine, through a script that keeps Wine's own messages and
# its home-folder side effects out of the way (cmake/windows.cmake names its prefix).
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-test-run)
