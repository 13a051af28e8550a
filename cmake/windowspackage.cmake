# What `make windows` ships: build-windows/ortelana-VERSION-windows.zip (the program,
# its help and the licence in one folder) and ortelana-VERSION-windows-setup.exe, an
# NSIS installer for the one user.  Built by the target windows-package.
find_program(MAKENSIS makensis)
set(package_name "ortelana-${PROJECT_VERSION}-windows")
set(stage "${PROJECT_BINARY_DIR}/package/${package_name}")
set(zip "${PROJECT_BINARY_DIR}/${package_name}.zip")
set(setup "${PROJECT_BINARY_DIR}/${package_name}-setup.exe")
set(help "${PROJECT_BINARY_DIR}/Справка.html")   # the Windows parts, written with the program
file(MAKE_DIRECTORY "${PROJECT_BINARY_DIR}/package")

add_custom_command(OUTPUT "${zip}"
    COMMAND ${CMAKE_COMMAND} -E rm -rf "${stage}"
    COMMAND ${CMAKE_COMMAND} -E make_directory "${stage}"
    COMMAND ${CMAKE_COMMAND} -E copy "$<TARGET_FILE:ortelana>" "${help}" "${PROJECT_SOURCE_DIR}/LICENSE" "${stage}"
    COMMAND ${CMAKE_COMMAND} -E tar cf "${zip}" --format=zip -- "${package_name}"
    WORKING_DIRECTORY "${PROJECT_BINARY_DIR}/package"
    DEPENDS ortelana "${help}" "${PROJECT_SOURCE_DIR}/LICENSE"
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
    list(APPEND package_outputs "${setup}")
else()
    message(STATUS "makensis not found: no installer (Debian package nsis)")
endif()
add_custom_target(windows-package DEPENDS ${package_outputs})
