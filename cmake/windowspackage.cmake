# What `make windows` ships: build-windows/ortelana-VERSION-windows.zip (the program,
# its help and the licence in one folder), ortelana-VERSION-windows-setup.exe, an
# NSIS installer for the one user, and winget/, the winget manifests of that
# installer.  Built by the target windows-package; the same bytes from every build of
# one commit (cmake/windows.cmake gives the date).
find_program(MAKENSIS makensis)
set(package_name "ortelana-${PROJECT_VERSION}-windows")
set(stage "${PROJECT_BINARY_DIR}/package/${package_name}")
set(zip "${PROJECT_BINARY_DIR}/${package_name}.zip")
set(setup "${PROJECT_BINARY_DIR}/${package_name}-setup.exe")
set(help "${PROJECT_BINARY_DIR}/Справка.html")   # the Windows parts, written with the program
set(winget "${PROJECT_BINARY_DIR}/winget")
set(ORTELANA_SITE "https://ortelana.example.org/" CACHE STRING "The project's web site, for the winget manifests")
set(ORTELANA_DOWNLOAD_URL "https://ortelana.example.org/download" CACHE STRING
    "Where the installer is published, for the winget manifests")
file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/package")
# Rewritten only when the date changes, so that a new date packs again.
file(CONFIGURE OUTPUT "${PROJECT_BINARY_DIR}/package/source-date" CONTENT "${ORTELANA_SOURCE_DATE_EPOCH}\n")

add_custom_command(OUTPUT "${zip}"
    COMMAND ${CMAKE_COMMAND} -DPARENT=${PROJECT_BINARY_DIR}/package -DFOLDER=${package_name} -DZIP=${zip}
            -DEPOCH=${ORTELANA_SOURCE_DATE_EPOCH} "-DFILES=$<TARGET_FILE:ortelana>;${help};${PROJECT_SOURCE_DIR}/LICENSE"
            -P "${PROJECT_SOURCE_DIR}/cmake/windowszip.cmake"
    DEPENDS ortelana "${help}" "${PROJECT_SOURCE_DIR}/LICENSE" "${PROJECT_SOURCE_DIR}/cmake/windowszip.cmake"
            "${PROJECT_BINARY_DIR}/package/source-date"
    COMMENT "Packing ${package_name}.zip"
    VERBATIM)
set(package_outputs "${zip}")

if(MAKENSIS)
    add_custom_command(OUTPUT "${setup}"
        COMMAND ${CMAKE_COMMAND} -E copy "${PROJECT_SOURCE_DIR}/resources/win32/ortelana.ico" "${stage}"
        COMMAND ${MAKENSIS} -V2 -INPUTCHARSET UTF8 -DVERSION=${PROJECT_VERSION} -DSOURCE=${stage}
                -DOUTFILE=${setup} "${PROJECT_SOURCE_DIR}/packaging/windows/ortelana.nsi"
        DEPENDS "${zip}" "${PROJECT_SOURCE_DIR}/packaging/windows/ortelana.nsi"
        COMMENT "Making ${package_name}-setup.exe"
        VERBATIM)
    file(GLOB winget_templates "${PROJECT_SOURCE_DIR}/packaging/winget/*.yaml.in")
    add_custom_command(OUTPUT "${winget}/Ortelana.Ortelana.installer.yaml"
        COMMAND ${CMAKE_COMMAND} -DSETUP=${setup} -DTEMPLATES=${PROJECT_SOURCE_DIR}/packaging/winget -DOUT=${winget}
                -DPROJECT_VERSION=${PROJECT_VERSION} -DORTELANA_SITE=${ORTELANA_SITE}
                -DORTELANA_DOWNLOAD_URL=${ORTELANA_DOWNLOAD_URL} -P "${PROJECT_SOURCE_DIR}/cmake/wingetmanifest.cmake"
        DEPENDS "${setup}" ${winget_templates} "${PROJECT_SOURCE_DIR}/cmake/wingetmanifest.cmake"
        COMMENT "Writing the winget manifests"
        VERBATIM)
    list(APPEND package_outputs "${setup}" "${winget}/Ortelana.Ortelana.installer.yaml")
else()
    message(STATUS "makensis not found: no installer (Debian package nsis)")
endif()
add_custom_target(windows-package DEPENDS ${package_outputs})
