# The Windows build, cross-built with cmake/mingw-w64.cmake (make windows): the
# calendar and command-line libraries shared with the Linux program, the Win32 front
# end, its tests under Wine, and the zip and the installer.  No Qt here.
set(CMAKE_CXX_FLAGS_RELEASE "-Os")
add_compile_options(-ffunction-sections -fdata-sections)
# Programs that run anywhere, tests included: the C++ runtime is linked in.
add_link_options(-static)

add_subdirectory(src/calendar)
add_subdirectory(src/cli)
add_subdirectory(src/win32)
include(cmake/windowspackage.cmake)
add_subdirectory(bench/win32 EXCLUDE_FROM_ALL)

option(BUILD_TESTING "Build the tests that run under Wine" ON)
if(BUILD_TESTING)
    enable_testing()
    # Every test of this build runs under Wine, in a prefix of this build's own, made on
    # first use.
    set(CMAKE_CROSSCOMPILING_EMULATOR env "ORTELANA_WINE_UNITS=${PROJECT_BINARY_DIR}/wine/units"
        "${PROJECT_SOURCE_DIR}/scripts/wine-test-run")
    set_property(DIRECTORY PROPERTY LABELS wine)
    add_subdirectory(tests/calendar)
    add_subdirectory(tests/cli)
    add_subdirectory(tests/win32)
endif()
