# Packs the Windows zip the same way every time, run by cmake/windowspackage.cmake:
# the files copied into FOLDER under PARENT with the same permissions whatever the
# umask, entered in name order, all dated EPOCH (seconds) and written in UTC.  Two
# builds of one commit by the same user give the same bytes.  CMake's archiver
# (libarchive) also stores each file's owner and group as numbers and has no option
# to leave them out, so two users' builds differ there.  Info-ZIP's zip -X would
# leave them out, but it marks no name as UTF-8, and Windows would then unpack
# «Справка.html» under a garbled name.
#     cmake -DPARENT=DIR -DFOLDER=NAME -DZIP=FILE -DEPOCH=SECONDS -DFILES="A;B" -P windowszip.cmake
set(stage "${PARENT}/${FOLDER}")
file(REMOVE_RECURSE "${stage}")
file(MAKE_DIRECTORY "${stage}")
set(entries)
foreach(file IN LISTS FILES)
    get_filename_component(name "${file}" NAME)
    file(COPY "${file}" DESTINATION "${stage}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
    list(APPEND entries "${FOLDER}/${name}")
endforeach()
list(SORT entries)
set(ENV{SOURCE_DATE_EPOCH} "${EPOCH}")
string(TIMESTAMP date "%Y-%m-%d %H:%M:%S UTC" UTC)
file(REMOVE "${ZIP}")
execute_process(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC ${CMAKE_COMMAND} -E tar cf "${ZIP}" --format=zip "--mtime=${date}" --
                        ${entries}
                WORKING_DIRECTORY "${PARENT}" COMMAND_ERROR_IS_FATAL ANY)
