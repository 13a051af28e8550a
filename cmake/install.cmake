# Installation: the program folder lib/ortelana holds the program and its help
# document together (the program looks for the help beside itself); bin/ortelana
# links to it; the desktop entry, icon, metainfo and manual pages go where desktops
# and man look.
include(GNUInstallDirs)

# Plain lib/, not the multiarch directory GNUInstallDirs picks under /usr on Debian:
# the folder holds a program, not libraries, and the link below points into it.
set(ORTELANA_PROGRAM_DIR "lib/ortelana")
install(TARGETS ortelana RUNTIME DESTINATION "${ORTELANA_PROGRAM_DIR}")
install(FILES "${PROJECT_BINARY_DIR}/Справка.html" DESTINATION "${ORTELANA_PROGRAM_DIR}")
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

# Manual pages, English and Russian, compressed as Debian wants them: gzip -9 with
# no name or time stamp inside, so the same source always gives the same bytes.
find_program(GZIP_PROGRAM gzip REQUIRED)
set(manuals "")
foreach(language en ru)
    if(language STREQUAL "en")
        set(source "${CMAKE_SOURCE_DIR}/packaging/man/ortelana.1")
        set(folder "${CMAKE_INSTALL_MANDIR}/man1")
    else()
        set(source "${CMAKE_SOURCE_DIR}/packaging/man/${language}/ortelana.1")
        set(folder "${CMAKE_INSTALL_MANDIR}/${language}/man1")
    endif()
    set(copy "${CMAKE_BINARY_DIR}/man/${language}/ortelana.1")
    add_custom_command(OUTPUT "${copy}.gz"
        COMMAND ${CMAKE_COMMAND} -E copy "${source}" "${copy}"
        COMMAND "${GZIP_PROGRAM}" -9nf "${copy}"
        DEPENDS "${source}"
        VERBATIM)
    list(APPEND manuals "${copy}.gz")
    install(FILES "${copy}.gz" DESTINATION "${folder}")
endforeach()
add_custom_target(manuals ALL DEPENDS ${manuals})
# Built with the program, so that `cmake --install` after a build of the program alone
# (make build) finds them.
add_dependencies(ortelana manuals)
