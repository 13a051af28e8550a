# The Debian package: `make package` (cpack -G DEB in the build folder) lays the
# install tree out under /usr.  The dependencies are named by hand: the four Qt
# libraries the program links, the platform plugins Qt needs to open a window at
# all, and the fonts the sheet is measured in, which no library link would reveal.
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
    "libqt6core6 (>= 6.4), libqt6gui6 (>= 6.4), libqt6widgets6 (>= 6.4), libqt6printsupport6 (>= 6.4), qt6-qpa-plugins, fonts-liberation2, libc6, libstdc++6, libgcc-s1")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
