# cpack's External generator for the source release (native Linux builds,
# and CPackSourceConfig.cmake): under kalkulator-VERSION/, the files of the
# last commit of kalkulator's own history, or in a release unpacked (with
# or without a history of its own, as a packaging repository has it) the
# files its MANIFEST lists; MANIFEST itself, the list, goes in too. So the
# same bytes come from any checkout of one commit, and from its release
# unpacked anywhere, whatever else the folder holds.

include(${CPACK_KALKULATOR_SOURCE_DIR}/packaging/steps.cmake)
set(source ${CPACK_KALKULATOR_SOURCE_DIR})
set(name ${CPACK_SOURCE_PACKAGE_FILE_NAME})

if(EXISTS ${source}/MANIFEST)
    file(STRINGS ${source}/MANIFEST files)
else()
    kalkulator_git(files ls-tree -r --name-only HEAD)
    if(NOT DEFINED files)
        message(FATAL_ERROR "${source} is neither a checkout of kalkulator nor a source release "
            "unpacked (with its MANIFEST): the files of the source release are not known")
    endif()
    string(REPLACE "\n" ";" files "${files}")
    # The commit is what is packed: a release bumped and not committed
    # would give a tarball whose name its contents do not bear out.
    kalkulator_git(committed show HEAD:CMakeLists.txt)
    if(NOT committed MATCHES "\n    VERSION ${CPACK_PACKAGE_VERSION}\n")
        message(FATAL_ERROR "The version ${CPACK_PACKAGE_VERSION} is not the last commit's: "
            "commit the release (CMakeLists.txt and packaging/changelog) first")
    endif()
    kalkulator_git(changed diff --name-only HEAD)
    if(changed)
        string(REPLACE "\n" " " changed "${changed}")
        message(WARNING "The source release holds the last commit, not these files as they "
            "are changed since: ${changed}")
    endif()
    set(source ${CPACK_TOPLEVEL_DIRECTORY}/commit)
    file(REMOVE_RECURSE ${source})
    file(MAKE_DIRECTORY ${source})
    kalkulator_run(COMMAND git -C ${CPACK_KALKULATOR_SOURCE_DIR} archive --format=tar HEAD
        COMMAND tar -x -C ${source})
    list(APPEND files MANIFEST)
    list(FILTER files EXCLUDE REGEX "^$")
    list(SORT files)
    list(JOIN files "\n" list)
    file(WRITE ${source}/MANIFEST "${list}\n")
endif()
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
