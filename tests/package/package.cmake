# kalkulator_package_tests(DIALOGUE...): the packages that cpack makes (the
# `packages` fixture, KALKULATOR_PACKAGES) as a user gets them, their program
# running DIALOGUE; and made again byte for byte elsewhere. Reads what
# packaging/packaging.cmake sets for the tests, and the names of the build.
function(kalkulator_package_tests)
    set(bin ${PROJECT_BINARY_DIR})
    set(here ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
    set(tree ${KALKULATOR_PACKAGE_NAME})
    set(packages ${KALKULATOR_PACKAGES})
    set(unpacked sh ${here}/unpacked.sh)
    set(dialogue -- ${ARGN})
    add_test(NAME package COMMAND ${CMAKE_CPACK_COMMAND} --config ${bin}/CPackConfig.cmake
        WORKING_DIRECTORY ${bin})
    set_tests_properties(package PROPERTIES FIXTURES_SETUP packages)

    if(EMSCRIPTEN)
        # Nothing on the page has symbols to strip: `true` stands in for nm.
        add_test(NAME package.zip COMMAND ${unpacked} ${bin}/${tree}.zip true
            ${tree}/kalkulator.js ${tree}/index.html
            ${tree}/manifest.webmanifest ${tree}/sw.js ${tree}/kalkulator-192.png
            ${tree}/kalkulator-512.png ${tree}/kalkulator-maskowalna-512.png
            ${tree}/THIRD-PARTY-NOTICES.txt ${tree}/COPYING.txt ${dialogue})
        include(${here}/../web/browsers.cmake)
        kalkulator_page_tests(${bin}/${tree}.zip)
    elseif(WIN32)
        add_test(NAME package.zip COMMAND ${unpacked} ${bin}/${tree}.zip ${CMAKE_NM}
            ${tree}/kalkulator.exe ${tree}/CZYTAJ.txt ${tree}/THIRD-PARTY-NOTICES.txt
            ${tree}/COPYING.txt ${dialogue})
        add_test(NAME package.guide COMMAND sh ${here}/../windows/guide.sh
            ${bin}/CZYTAJ.txt ${bin}/THIRD-PARTY-NOTICES.txt ${bin}/COPYING.txt)
    else()
        set(docs share/man/man1/kalkulator.1.gz share/man/pl/man1/kalkulator.1.gz
            share/doc/kalkulator/README.md share/doc/kalkulator/copyright
            share/doc/kalkulator/THIRD-PARTY-NOTICES.txt
            share/doc/kalkulator/changelog.gz share/applications/kalkulator.desktop
            share/metainfo/${KALKULATOR_APP_ID}.metainfo.xml
            share/icons/hicolor/scalable/apps/kalkulator.svg)
        foreach(size IN LISTS KALKULATOR_ICON_SIZES)
            list(APPEND docs share/icons/hicolor/${size}x${size}/apps/kalkulator.png)
        endforeach()
        list(TRANSFORM docs PREPEND ${tree}/ OUTPUT_VARIABLE tgz_docs)
        list(TRANSFORM docs PREPEND usr/ OUTPUT_VARIABLE deb_docs)
        add_test(NAME package.tar.gz COMMAND ${unpacked} ${bin}/${tree}.tar.gz ${CMAKE_NM}
            ${tree}/bin/kalkulator ${tgz_docs} ${dialogue})
        set(release ${bin}/${CPACK_SOURCE_PACKAGE_FILE_NAME}.tar.gz)
        foreach(package IN LISTS packages)
            set(made ${bin}/${package})
            if(package MATCHES "\\.debian\\.tar\\.xz$")
                add_test(NAME package.debian-source
                    COMMAND sh ${here}/recipe.sh deb ${release} ${made})
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
        add_test(NAME package.man COMMAND mandoc -T lint -W warning
            ${bin}/kalkulator.1 ${bin}/pl/kalkulator.1)
        add_test(NAME package.desktop COMMAND desktop-file-validate ${KALKULATOR_DESKTOP_ENTRY})
        add_test(NAME package.metainfo COMMAND appstreamcli validate --no-net --pedantic
            ${KALKULATOR_METAINFO})
    endif()

    # Each package's bill of materials, validated (the CycloneDX library from npm).
    find_program(KALKULATOR_NODE NAMES node nodejs)
    if(KALKULATOR_NODE AND EXISTS ${PROJECT_SOURCE_DIR}/node_modules/@cyclonedx/cyclonedx-library)
        list(TRANSFORM packages PREPEND ${bin}/ OUTPUT_VARIABLE made)
        add_test(NAME package.sbom COMMAND ${KALKULATOR_NODE} ${here}/sbom.js
            ${KALKULATOR_NOTICES} ${made})
    else()
        message(WARNING "Node.js or the CycloneDX library is not installed (npm ci): "
            "package.sbom is left out")
    endif()

    # SHA256SUMS lists exactly these packages and their bills, each with its
    # right sum.
    add_test(NAME package.checksums COMMAND sha256sum -c SHA256SUMS WORKING_DIRECTORY ${bin})
    list(TRANSFORM packages APPEND .cdx.json OUTPUT_VARIABLE bills)
    list(APPEND packages ${bills})
    list(SORT packages)
    list(TRANSFORM packages APPEND ": OK\n" OUTPUT_VARIABLE verified)
    string(JOIN "" verified ${verified})
    string(REGEX REPLACE "[][.*+?^$()|\\]" "\\\\\\0" verified "${verified}")
    # sha256sum says OK in English alone.
    set_tests_properties(package.checksums PROPERTIES PASS_REGULAR_EXPRESSION "^${verified}$"
        ENVIRONMENT LC_ALL=C)

    get_property(package_tests DIRECTORY PROPERTY TESTS)
    list(FILTER package_tests INCLUDE REGEX "^package\\.")
    set_property(TEST ${package_tests} APPEND PROPERTY FIXTURES_REQUIRED packages)

    # Slow, as it builds everything again: `ctest -LE reproducible` leaves it out.
    add_test(NAME reproducible COMMAND sh ${here}/reproducible.sh
        ${KALKULATOR_PACKAGE_PRESET} ${PROJECT_SOURCE_DIR} ${bin})
    set_tests_properties(reproducible PROPERTIES LABELS reproducible FIXTURES_REQUIRED packages)
endfunction()
