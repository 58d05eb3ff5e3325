# Run by cpack on a package's staged files: folders readable whatever the
# packager's umask, and every time SOURCE_DATE_EPOCH, for the generators
# that keep the times they find (RPM).
file(GLOB_RECURSE staged LIST_DIRECTORIES true ${CPACK_TEMPORARY_DIRECTORY}/*)
set(folders ${CPACK_TEMPORARY_DIRECTORY})
foreach(path IN LISTS staged)
    if(IS_DIRECTORY ${path})
        list(APPEND folders ${path})
    endif()
endforeach()
file(CHMOD ${folders} DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(${CPACK_KALKULATOR_SOURCE_DIR}/packaging/steps.cmake)
kalkulator_run(COMMAND touch -h -d @$ENV{SOURCE_DATE_EPOCH} ${CPACK_TEMPORARY_DIRECTORY} ${staged})
