# The Windows build, cross-built with cmake/mingw-w64.cmake (make windows): the
# calendar, command-line and behaviour libraries shared with the Linux program, the
# Win32 front end, its tests under Wine, and the zip and the installer.  No Qt here.
# Small, but with whole constructors: at -Os GCC 16 calls the combined constructor of
# std::string, which the static libstdc++ of Debian's mingw-w64 does not hold, and
# the link fails ("undefined reference to basic_string(basic_string&&)").
set(CMAKE_CXX_FLAGS_RELEASE "-Os -fno-declone-ctor-dtor")
add_compile_options(-ffunction-sections -fdata-sections)
# Programs that run anywhere, tests included: the C++ runtime is linked in.
add_link_options(-static)

# Reproducible: two builds of one commit, in any folder, give the same bytes.  No
# folder of this machine in what is compiled (file names such as assert's), no link
# time in the program's header, and one date for what is packed: SOURCE_DATE_EPOCH
# when it is set, else the last commit's date, else (a tree without git) the date of
# this tree's top CMakeLists.txt, which an unpacked archive keeps.
add_compile_options("-ffile-prefix-map=${PROJECT_SOURCE_DIR}=." "-ffile-prefix-map=${PROJECT_BINARY_DIR}=.")
add_link_options(-Wl,--no-insert-timestamp)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ORTELANA_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
    execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
                    OUTPUT_VARIABLE ORTELANA_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE git_failed ERROR_QUIET)
    if(git_failed OR NOT ORTELANA_SOURCE_DATE_EPOCH)
        file(TIMESTAMP "${PROJECT_SOURCE_DIR}/CMakeLists.txt" ORTELANA_SOURCE_DATE_EPOCH "%s" UTC)
    endif()
endif()

add_subdirectory(src/calendar)
add_subdirectory(src/cli)
add_subdirectory(src/behaviour)
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
    add_subdirectory(tests/behaviour)
    add_subdirectory(tests/cli)
    add_subdirectory(tests/win32)
endif()
