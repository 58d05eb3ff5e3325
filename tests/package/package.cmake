# The packages that cpack makes, as a user gets them, and made again byte for
# byte elsewhere: kalkulator_package_tests adds the `packages` fixture and
# each package's tests, kalkulator_bill_tests what lists them all, and
# kalkulator_reproducible_test the build done again.

# kalkulator_package_tests(PACKAGES file... TREE folder DOCS file... DIALOGUE
# command...): each of PACKAGES, made in the build folder, unpacked or
# installed: its program (in TREE, the archives' top folder) running
# DIALOGUE, and the documents DOCS in their places.
function(kalkulator_package_tests)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "TREE" "PACKAGES;DOCS;DIALOGUE")
    set(bin ${PROJECT_BINARY_DIR})
    set(here ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
    set(tree ${arg_TREE})
    set(unpacked sh ${here}/unpacked.sh)
    set(dialogue -- ${arg_DIALOGUE})
    add_test(NAME package COMMAND ${CMAKE_CPACK_COMMAND} --config ${bin}/CPackConfig.cmake
        WORKING_DIRECTORY ${bin})
    set_tests_properties(package PROPERTIES FIXTURES_SETUP packages)

    list(TRANSFORM arg_DOCS PREPEND ${tree}/ OUTPUT_VARIABLE tree_docs)
    list(TRANSFORM arg_DOCS PREPEND usr/ OUTPUT_VARIABLE deb_docs)
    set(release ${bin}/${CPACK_SOURCE_PACKAGE_FILE_NAME}.tar.gz)
    foreach(package IN LISTS arg_PACKAGES)
        set(made ${bin}/${package})
        if(package MATCHES "\\.zip$" AND EMSCRIPTEN)
            # Nothing on the page has symbols to strip: `true` stands in for nm.
            add_test(NAME package.zip COMMAND ${unpacked} ${made} true ${tree}/kalkulator.js
                ${tree_docs} ${dialogue})
        elseif(package MATCHES "\\.zip$")
            add_test(NAME package.zip COMMAND ${unpacked} ${made} ${CMAKE_NM}
                ${tree}/kalkulator.exe ${tree_docs} ${dialogue})
        elseif(package STREQUAL "${tree}.tar.gz")
            add_test(NAME package.tar.gz COMMAND ${unpacked} ${made} ${CMAKE_NM}
                ${tree}/bin/kalkulator ${tree_docs} ${dialogue})
        elseif(package MATCHES "\\.debian\\.tar\\.xz$")
            add_test(NAME package.debian-source COMMAND sh ${here}/recipe.sh deb ${release} ${made})
            set_tests_properties(package.debian-source PROPERTIES SKIP_RETURN_CODE 77)
        elseif(package MATCHES "\\.spec$")
            add_test(NAME package.rpm-recipe COMMAND sh ${here}/recipe.sh rpm ${release} ${made}
                ${PROJECT_SOURCE_DIR}/packaging/linux/rpmlint.toml)
            set_tests_properties(package.rpm-recipe PROPERTIES SKIP_RETURN_CODE 77)
        elseif(package MATCHES "\\.deb$")
            add_test(NAME package.deb COMMAND ${unpacked} ${made} ${CMAKE_NM}
                usr/bin/kalkulator ${deb_docs} ${dialogue})
            add_test(NAME package.lintian
                COMMAND lintian --pedantic --fail-on error,warning,pedantic ${made})
        elseif(package MATCHES "\\.rpm$")
            add_test(NAME package.rpm COMMAND sh ${here}/rpm.sh ${made} ${dialogue})
            set_tests_properties(package.rpm PROPERTIES SKIP_RETURN_CODE 77)
            add_test(NAME package.rpmlint COMMAND rpmlint
                -c ${PROJECT_SOURCE_DIR}/packaging/linux/rpmlint.toml ${made})
        elseif(package STREQUAL "${CPACK_SOURCE_PACKAGE_FILE_NAME}.tar.gz")
            add_test(NAME package.source
                COMMAND sh ${here}/source.sh ${made} $<TARGET_FILE:kalkulator>)
        endif()
    endforeach()
    get_property(package_tests DIRECTORY PROPERTY TESTS)
    list(FILTER package_tests INCLUDE REGEX "^package\\.")
    set_property(TEST ${package_tests} APPEND PROPERTY FIXTURES_REQUIRED packages)
endfunction()

# kalkulator_bill_tests(NOTICES file PACKAGES file...): each package's bill of
# materials validated against NOTICES (the CycloneDX library from npm), and
# SHA256SUMS listing exactly the packages and their bills, each with its
# right sum.
function(kalkulator_bill_tests)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "NOTICES" "PACKAGES")
    set(bin ${PROJECT_BINARY_DIR})
    find_program(KALKULATOR_NODE NAMES node nodejs)
    if(KALKULATOR_NODE AND EXISTS ${PROJECT_SOURCE_DIR}/node_modules/@cyclonedx/cyclonedx-library)
        list(TRANSFORM arg_PACKAGES PREPEND ${bin}/ OUTPUT_VARIABLE made)
        add_test(NAME package.sbom COMMAND ${KALKULATOR_NODE} ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/sbom.js
            ${arg_NOTICES} ${made})
        set_tests_properties(package.sbom PROPERTIES FIXTURES_REQUIRED packages)
    else()
        message(WARNING "Node.js or the CycloneDX library is not installed (npm ci): "
            "package.sbom is left out")
    endif()

    add_test(NAME package.checksums COMMAND sha256sum -c SHA256SUMS WORKING_DIRECTORY ${bin})
    list(TRANSFORM arg_PACKAGES APPEND .cdx.json OUTPUT_VARIABLE listed)
    list(APPEND listed ${arg_PACKAGES})
    list(SORT listed)
    list(TRANSFORM listed APPEND ": OK\n")
    string(JOIN "" listed ${listed})
    string(REGEX REPLACE "[][.*+?^$()|\\]" "\\\\\\0" listed "${listed}")
    # sha256sum says OK in English alone.
    set_tests_properties(package.checksums PROPERTIES PASS_REGULAR_EXPRESSION "^${listed}$"
        ENVIRONMENT LC_ALL=C FIXTURES_REQUIRED packages)
endfunction()

# kalkulator_reproducible_test(PRESET): the packages built again from the
# sources by PRESET elsewhere, byte for byte the same. Slow, as it builds
# everything again: `ctest -LE reproducible` leaves it out.
function(kalkulator_reproducible_test preset)
    add_test(NAME reproducible COMMAND sh ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/reproducible.sh
        ${preset} ${PROJECT_SOURCE_DIR} ${PROJECT_BINARY_DIR})
    set_tests_properties(reproducible PROPERTIES LABELS reproducible FIXTURES_REQUIRED packages)
endfunction()
