# The packages that cpack makes, as a user gets them, and that they come out
# the same when the preset that made them builds the tree again elsewhere.
set(bin ${PROJECT_BINARY_DIR})
add_test(NAME package COMMAND ${CMAKE_CPACK_COMMAND} --config ${bin}/CPackConfig.cmake
    WORKING_DIRECTORY ${bin})
set_tests_properties(package PROPERTIES FIXTURES_SETUP packages)

set(unpacked sh ${CMAKE_CURRENT_LIST_DIR}/unpacked.sh)
set(dialogue -- ${KALKULATOR_DIALOGUE})
set(tree ${KALKULATOR_PACKAGE_NAME})
if(EMSCRIPTEN)
    set(packages ${tree}.zip)
    # Nothing on the page has symbols to strip: `true` stands in for nm.
    add_test(NAME package.zip COMMAND ${unpacked} ${bin}/${tree}.zip true
        ${tree}/kalkulator.js ${tree}/index.html ${tree}/ekran.js ${tree}/page.css
        ${tree}/manifest.webmanifest ${tree}/sw.js ${tree}/kalkulator-192.png
        ${tree}/kalkulator-512.png ${tree}/kalkulator-maskowalna-512.png
        ${tree}/THIRD-PARTY-NOTICES.txt ${dialogue})
    include(${CMAKE_CURRENT_LIST_DIR}/../web/browsers.cmake)
    kalkulator_page_tests(${bin}/${tree}.zip)
elseif(WIN32)
    set(packages ${tree}.zip)
    add_test(NAME package.zip COMMAND ${unpacked} ${bin}/${tree}.zip ${CMAKE_NM}
        ${tree}/kalkulator.exe ${tree}/CZYTAJ.txt ${tree}/THIRD-PARTY-NOTICES.txt ${dialogue})
    add_test(NAME package.guide COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/../windows/guide.sh
        ${bin}/CZYTAJ.txt ${bin}/THIRD-PARTY-NOTICES.txt)
    if(CPACK_EXTERNAL_PACKAGE_SCRIPT AND CMAKE_CROSSCOMPILING_EMULATOR MATCHES "wine")
        list(APPEND packages ${tree}.msi)
    endif()
else()
    set(deb ${PROJECT_NAME}_${PROJECT_VERSION}_${CPACK_DEBIAN_PACKAGE_ARCHITECTURE}.deb)
    set(packages ${tree}.tar.gz ${deb})
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
    add_test(NAME package.deb COMMAND ${unpacked} ${bin}/${deb} ${CMAKE_NM}
        usr/bin/kalkulator ${deb_docs} ${dialogue})
    if(kalkulator_rpm_arch AND KALKULATOR_RPMBUILD)
        set(rpm ${PROJECT_NAME}-${PROJECT_VERSION}-1.${kalkulator_rpm_arch}.rpm)
        list(APPEND packages ${rpm})
        add_test(NAME package.rpm COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/rpm.sh ${bin}/${rpm}
            ${dialogue})
        set_tests_properties(package.rpm PROPERTIES SKIP_RETURN_CODE 77)
        add_test(NAME package.rpmlint COMMAND rpmlint
            -c ${PROJECT_SOURCE_DIR}/packaging/linux/rpmlint.toml ${bin}/${rpm})
    endif()
    add_test(NAME package.lintian COMMAND lintian --pedantic --fail-on error,warning,pedantic
        ${bin}/${deb})
    add_test(NAME package.man COMMAND mandoc -T lint -W warning
        ${bin}/kalkulator.1 ${bin}/pl/kalkulator.1)
    add_test(NAME package.man-translated COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/same-examples.sh
        ${bin}/kalkulator.1 ${bin}/pl/kalkulator.1)
    if(KALKULATOR_SOURCE_RELEASE)
        list(APPEND packages ${KALKULATOR_SOURCE_RELEASE})
        add_test(NAME package.source COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/source.sh
            ${bin}/${KALKULATOR_SOURCE_RELEASE} $<TARGET_FILE:kalkulator>)
    endif()
    add_test(NAME package.desktop COMMAND desktop-file-validate ${KALKULATOR_DESKTOP_ENTRY})
    add_test(NAME package.metainfo COMMAND appstreamcli validate --no-net --pedantic
        ${KALKULATOR_METAINFO})
endif()

# Each package's bill of materials, validated (the CycloneDX library from npm).
find_program(KALKULATOR_NODE NAMES node nodejs)
if(KALKULATOR_NODE AND EXISTS ${PROJECT_SOURCE_DIR}/node_modules/@cyclonedx/cyclonedx-library)
    list(TRANSFORM packages PREPEND ${bin}/ OUTPUT_VARIABLE made)
    add_test(NAME package.sbom COMMAND ${KALKULATOR_NODE} ${CMAKE_CURRENT_LIST_DIR}/sbom.js
        ${KALKULATOR_NOTICES} ${made})
else()
    message(WARNING "Node.js or the CycloneDX library is not installed (npm ci): "
        "package.sbom is left out")
endif()
list(TRANSFORM packages APPEND .cdx.json OUTPUT_VARIABLE bills)
list(APPEND packages ${bills})

# SHA256SUMS lists exactly these packages and their bills, each with its right
# sum.
add_test(NAME package.checksums COMMAND sha256sum -c SHA256SUMS WORKING_DIRECTORY ${bin})
list(SORT packages)
list(TRANSFORM packages APPEND ": OK\n" OUTPUT_VARIABLE verified)
string(JOIN "" verified ${verified})
string(REGEX REPLACE "[][.*+?^$()|\\]" "\\\\\\0" verified "${verified}")
set_tests_properties(package.checksums PROPERTIES PASS_REGULAR_EXPRESSION "^${verified}$")

get_property(package_tests DIRECTORY PROPERTY TESTS)
list(FILTER package_tests INCLUDE REGEX "^package\\.")
set_property(TEST ${package_tests} APPEND PROPERTY FIXTURES_REQUIRED packages)

# Slow, as it builds everything again: `ctest -LE reproducible` leaves it out.
add_test(NAME reproducible COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/reproducible.sh
    ${KALKULATOR_PACKAGE_PRESET} ${PROJECT_SOURCE_DIR} ${bin})
set_tests_properties(reproducible PROPERTIES LABELS reproducible FIXTURES_REQUIRED packages)
