# Installation: the program folder lib/ortelana holds the program and its help
# document together (the program looks for the help beside itself); bin/ortelana
# links to it; the desktop entry, icon and metainfo go where desktops look.
include(GNUInstallDirs)

# Plain lib/, not the multiarch directory GNUInstallDirs picks under /usr on Debian:
# the folder holds a program, not libraries, and the link below points into it.
set(ORTELANA_PROGRAM_DIR "lib/ortelana")
install(TARGETS ortelana RUNTIME DESTINATION "${ORTELANA_PROGRAM_DIR}")
install(FILES "${CMAKE_SOURCE_DIR}/resources/Справка.html" DESTINATION "${ORTELANA_PROGRAM_DIR}")
install(CODE "
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK \"../${ORTELANA_PROGRAM_DIR}/ortelana\"
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/ortelana\" SYMBOLIC)
")
install(FILES "${CMAKE_SOURCE_DIR}/packaging/org.example.Ortelana.desktop"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/applications")
install(FILES "${CMAKE_SOURCE_DIR}/packaging/org.example.Ortelana.metainfo.xml"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/metainfo")
install(FILES "${CMAKE_SOURCE_DIR}/resources/calendar-icon.png"
        DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps" RENAME org.example.Ortelana.png)
foreach(size 16 24 48 64 128 256)
    install(FILES "${CMAKE_SOURCE_DIR}/resources/icons/ortelana-${size}.png"
            DESTINATION "${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps"
            RENAME org.example.Ortelana.png)
endforeach()
