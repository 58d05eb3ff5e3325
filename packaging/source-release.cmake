# cpack's External generator for the source release (native Linux builds,
# and CPackSourceConfig.cmake): the last commit's files, or without git (an
# unpacked source release) all that .gitignore lets in, under
# kalkulator-VERSION/: the same bytes from any checkout of one commit,
# whatever is changed and not committed, and from the release unpacked.

include(${CPACK_KALKULATOR_SOURCE_DIR}/packaging/steps.cmake)
set(source ${CPACK_KALKULATOR_SOURCE_DIR})
set(name ${CPACK_SOURCE_PACKAGE_FILE_NAME})

kalkulator_git(files ls-tree -r --name-only HEAD)
if(DEFINED files)
    string(REPLACE "\n" ";" files "${files}")
    set(source ${CPACK_TOPLEVEL_DIRECTORY}/commit)
    file(REMOVE_RECURSE ${source})
    file(MAKE_DIRECTORY ${source})
    kalkulator_run(COMMAND git -C ${CPACK_KALKULATOR_SOURCE_DIR} archive --format=tar HEAD
        COMMAND tar -x -C ${source})
else()
    file(GLOB_RECURSE files RELATIVE ${source} ${source}/*)
    file(STRINGS ${source}/.gitignore patterns REGEX "^[^#]")
    list(APPEND patterns /.git/)
    foreach(pattern IN LISTS patterns)
        string(REGEX REPLACE "[][.+?^$()|\\]" "\\\\\\0" pattern "${pattern}")
        string(REPLACE "*" "[^/]*" pattern "${pattern}")
        if(pattern MATCHES "^/")
            string(REGEX REPLACE "^/" "^" pattern "${pattern}")
        else()
            set(pattern "(^|/)${pattern}")
        endif()
        string(REGEX REPLACE "/$" "" pattern "${pattern}")
        string(APPEND pattern "(/|$)")
        list(FILTER files EXCLUDE REGEX "${pattern}")
    endforeach()
endif()
list(FILTER files EXCLUDE REGEX "^$")
list(SORT files)
list(JOIN files "\n" list)
set(list_file ${CPACK_TOPLEVEL_DIRECTORY}/source-files.txt)
file(WRITE ${list_file} "${list}\n")

set(archive ${CPACK_TOPLEVEL_DIRECTORY}/${name}.tar.gz)
kalkulator_tar(${archive} ${source} --transform=s|^|${name}/| --verbatim-files-from
    --files-from=${list_file})
set(CPACK_EXTERNAL_BUILT_PACKAGES ${archive})

# Beside it, the distributions' recipes of this version, where the build
# made them (packaging/recipes.cmake).
if(CPACK_KALKULATOR_RECIPES)
    set(rpm ${CPACK_TOPLEVEL_DIRECTORY}/${name}.spec)
    file(COPY_FILE ${CPACK_KALKULATOR_RECIPES}/${CPACK_PACKAGE_NAME}.spec ${rpm})
    set(debian ${CPACK_TOPLEVEL_DIRECTORY}/${CPACK_PACKAGE_NAME}_${CPACK_PACKAGE_VERSION}-1.debian.tar.xz)
    kalkulator_tar(${debian} ${CPACK_KALKULATOR_RECIPES} debian)
    list(APPEND CPACK_EXTERNAL_BUILT_PACKAGES ${rpm} ${debian})
endif()
