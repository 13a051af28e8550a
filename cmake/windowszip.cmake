# Packs the Windows zip the same way every time, run by cmake/windowspackage.cmake:
# the files copied into FOLDER under PARENT with the same permissions whatever the
# umask, packed by CMake's archiver (which marks «Справка.html» as a UTF-8 name, so
# Windows unpacks it under its name; Info-ZIP's zip does not), then made the same for
# every build of one commit by Debian's strip-nondeterminism: CMake's archiver stores
# each file's access and change times and its owner, and has no option to leave them
# out; strip-nondeterminism sets every time to EPOCH (seconds, written in UTC),
# zeroes the owner and puts the entries in name order.
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
file(REMOVE "${ZIP}")
execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf "${ZIP}" --format=zip -- ${entries}
                WORKING_DIRECTORY "${PARENT}" COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND strip-nondeterminism --type zip --timestamp "${EPOCH}" "${ZIP}" COMMAND_ERROR_IS_FATAL ANY)
