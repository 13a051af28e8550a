# Writes the winget manifests of the installer SETUP into OUT from the templates in
# TEMPLATES (packaging/winget/*.yaml.in): its file name, its SHA-256 and the version.
# Run by cmake/windowspackage.cmake once the installer is made:
#     cmake -DSETUP=FILE -DTEMPLATES=DIR -DOUT=DIR -DPROJECT_VERSION=V -DORTELANA_SITE=URL
#           -DORTELANA_DOWNLOAD_URL=URL -P wingetmanifest.cmake
file(SHA256 "${SETUP}" SETUP_SHA256)
string(TOUPPER "${SETUP_SHA256}" SETUP_SHA256)
get_filename_component(SETUP_NAME "${SETUP}" NAME)
file(REMOVE_RECURSE "${OUT}")
file(GLOB templates "${TEMPLATES}/*.yaml.in")
foreach(template IN LISTS templates)
    get_filename_component(name "${template}" NAME)
    string(REGEX REPLACE "\\.in$" "" name "${name}")
    configure_file("${template}" "${OUT}/${name}" @ONLY)
endforeach()
