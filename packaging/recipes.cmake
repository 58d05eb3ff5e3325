# The recipes by which distributions build kalkulator from its source
# release, linked with their libraries and built with their flags: a Debian
# source package's debian/ folder and rpmbuild's recipe, made for this version in
# KALKULATOR_RECIPES and published beside the source release
# (packaging/source-release.cmake).

set(KALKULATOR_RECIPES ${PROJECT_BINARY_DIR}/recipes)

# Debian's form of a text: each line indented by one blank, an empty one
# written as " .".
function(kalkulator_debian_text variable text)
    string(REPLACE "\n\n" "\n.\n" text "${text}")
    string(REPLACE "\n" "\n " text " ${text}")
    set(${variable} "${text}" PARENT_SCOPE)
endfunction()

# A function, so that the terms of the program so built stay its own.
function(kalkulator_recipes recipes)
    set(here ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
    # The terms as the program so built carries them: kalkulator's, then
    # the metainfo's.
    set(KALKULATOR_LINKING_TERMS "${KALKULATOR_DYNAMIC_TERMS}")
    kalkulator_terms(terms ${PROJECT_SOURCE_DIR}/COPYING)
    kalkulator_debian_text(debian_terms "${terms}${KALKULATOR_LINKING_TERMS}")
    kalkulator_terms(terms ${here}/terms/metainfo.txt.in)
    kalkulator_debian_text(debian_fsfap "${terms}")
    kalkulator_debian_text(debian_description "${CPACK_PACKAGE_DESCRIPTION}")
    string(REPLACE " " ", " KALKULATOR_ICON_PACKAGES_COMMAS "${KALKULATOR_ICON_PACKAGES}")

    file(REMOVE_RECURSE ${recipes}/debian)
    foreach(file control copyright)
        configure_file(${here}/debian/${file}.in ${recipes}/debian/${file} @ONLY)
    endforeach()
    file(COPY ${here}/debian/rules ${here}/debian/source ${here}/debian/kalkulator.lintian-overrides
        DESTINATION ${recipes}/debian)
    # Every release of the history, each the first Debian revision of its version.
    file(READ ${KALKULATOR_CHANGELOG} changelog)
    string(REGEX REPLACE "(^|\n)(${PROJECT_NAME} \\([^)]+)\\)" "\\1\\2-1)" changelog "${changelog}")
    string(CONFIGURE "${changelog}" changelog @ONLY)
    file(WRITE ${recipes}/debian/changelog "${changelog}")

    set(rpm_changelog "${KALKULATOR_RPM_CHANGELOG}")
    string(STRIP "${rpm_changelog}" rpm_changelog)
    configure_file(${here}/linux/kalkulator-rpm.in ${recipes}/${PROJECT_NAME}.spec @ONLY)
endfunction()
kalkulator_recipes(${KALKULATOR_RECIPES})
