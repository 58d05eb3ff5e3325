# Run by cpack once it has installed a package's files into its staging
# folder: the folders are made open to read, as the files are, whatever the
# umask of whoever packages.
file(GLOB_RECURSE staged LIST_DIRECTORIES true ${CPACK_TEMPORARY_DIRECTORY}/*)
set(folders ${CPACK_TEMPORARY_DIRECTORY})
foreach(path IN LISTS staged)
    if(IS_DIRECTORY ${path})
        list(APPEND folders ${path})
    endif()
endforeach()
file(CHMOD ${folders} DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
