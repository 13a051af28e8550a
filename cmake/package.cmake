# The Debian package: `make package` (cpack -G DEB in the build folder) lays the
# install tree out under /usr.  The dependencies are named by hand: the four Qt
# libraries the program links, the platform plugins Qt needs to open a window at
# all, the fonts the sheet is measured in, and Qt's translations, which hold the
# Russian texts of Qt's own dialogs and menus; no library link would reveal the last
# three.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "ortelana")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "Ortelana")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "perpetual calendar: any year from 1 to 9 999 999 on one sheet")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Ortelana shows a whole year at once: twelve month tables with the weekdays as\n"
    "rows and the weeks as columns, Sundays and 9 May in red, the year's animal of\n"
    "the twelve-year cycle, and a window of week numbers.  Russian interface.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Ortelana developers <ortelana@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION "utils")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://ortelana.example.org/")
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), qt6-qpa-plugins, fonts-liberation2, qt6-translations-l10n, libc6, libstdc++6, libgcc-s1")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")

# What Debian asks of every package besides the program: the licence in its
# machine-readable form and the changelog, compressed like the manual pages.
set(ORTELANA_DOC_DIR "${CMAKE_INSTALL_DATADIR}/doc/ortelana")
set(changelog "${CMAKE_BINARY_DIR}/doc/changelog")
add_custom_command(OUTPUT "${changelog}.gz"
    COMMAND ${CMAKE_COMMAND} -E copy "${CMAKE_SOURCE_DIR}/packaging/debian/changelog" "${changelog}"
    COMMAND "${GZIP_PROGRAM}" -9nf "${changelog}"
    DEPENDS "${CMAKE_SOURCE_DIR}/packaging/debian/changelog"
    VERBATIM)
add_custom_target(changelog ALL DEPENDS "${changelog}.gz")
install(FILES "${CMAKE_SOURCE_DIR}/packaging/debian/copyright" "${changelog}.gz"
        DESTINATION "${ORTELANA_DOC_DIR}")

include(CPack)
