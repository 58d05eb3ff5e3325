# Run by cpack once it has made a package. What cpack leaves to the machine
# (the order of entries, owners, the .deb members' modes) is made the same
# everywhere: strip-nondeterminism for the zip and the .deb, GNU tar again
# for the tar.gz; every time SOURCE_DATE_EPOCH, zip's in UTC. Then the
# package's bill goes beside it, and SHA256SUMS lists every package of this
# version and its bill.

set(epoch $ENV{SOURCE_DATE_EPOCH})

# The External generator (the MSI) also leaves a description of the install
# in JSON, which cpack copies out too; it is no package to sum.
list(FILTER CPACK_PACKAGE_FILES EXCLUDE REGEX "\\.json$")

include(${CPACK_KALKULATOR_SOURCE_DIR}/packaging/steps.cmake)

# The source release is made in order already (packaging/source-release.cmake).
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    get_filename_component(name ${package} NAME)
    if(name STREQUAL "${CPACK_SOURCE_PACKAGE_FILE_NAME}.tar.gz")
        continue()
    elseif(package MATCHES "\\.tar\\.gz$")
        kalkulator_tar(${package} ${CPACK_TOPLEVEL_DIRECTORY} ${CPACK_PACKAGE_FILE_NAME})
    elseif(package MATCHES "\\.(zip|deb)$")
        string(REPLACE deb ar type ${CMAKE_MATCH_1}) # a .deb is an ar archive
        kalkulator_run(COMMAND ${CMAKE_COMMAND} -E env TZ=UTC0 strip-nondeterminism
            --normalizers=+${type} --type ${type} --timestamp ${epoch} ${package})
    endif()
endforeach()

# Those made now are in cpack's staging folder, those made before beside
# SHA256SUMS; one of another version is not this build's.
set(out ${CPACK_OUTPUT_FILE_PREFIX})
set(sums ${out}/SHA256SUMS)
set(names)
if(EXISTS ${sums})
    file(STRINGS ${sums} lines)
    string(REPLACE "." "\\." version ${CPACK_PACKAGE_VERSION})
    foreach(line IN LISTS lines)
        string(REGEX REPLACE "^[0-9a-f]+  " "" name "${line}")
        if(EXISTS ${out}/${name} AND name MATCHES "[-_]${version}[-_.]")
            list(APPEND names ${name})
            set(path_${name} ${out}/${name})
        endif()
    endforeach()
endif()
include(${CPACK_KALKULATOR_SOURCE_DIR}/packaging/sbom.cmake)
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    get_filename_component(name ${package} NAME)
    set(path_${name} ${package})
    set(path_${name}.cdx.json ${out}/${name}.cdx.json)
    kalkulator_sbom(${package} ${path_${name}.cdx.json})
    list(APPEND names ${name} ${name}.cdx.json)
endforeach()
list(REMOVE_DUPLICATES names)
list(SORT names)
set(text)
foreach(name IN LISTS names)
    file(SHA256 ${path_${name}} sum)
    string(APPEND text "${sum}  ${name}\n")
endforeach()
file(WRITE ${sums} "${text}")
