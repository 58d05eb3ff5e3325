# The recipes by which distributions build kalkulator from its source
# release, linked with their libraries and built with their flags: a Debian
# source package's debian/ folder and rpmbuild's recipe, made for this
# version in KALKULATOR_RECIPES and published beside the source release
# (packaging/source-release.cmake).

set(KALKULATOR_RECIPES ${PROJECT_BINARY_DIR}/recipes)

# Debian's form of a text: each line indented by one blank, an empty one
# written as " .".
function(kalkulator_debian_text variable text)
    string(REPLACE "\n\n" "\n.\n" text "${text}")
    string(REPLACE "\n" "\n " text " ${text}")
    set(${variable} "${text}" PARENT_SCOPE)
endfunction()

# kalkulator_debian_recipe(DIR TERMS CHANGELOG): the debian/ folder in DIR,
# its copyright file saying TERMS of the program (and the metainfo's own),
# its changelog every release of CHANGELOG, each as the first Debian
# revision of its version.
function(kalkulator_debian_recipe recipes terms changelog)
    set(here ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
    kalkulator_debian_text(debian_terms "${terms}")
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
    file(READ ${changelog} changelog)
    string(REGEX REPLACE "(^|\n)(${PROJECT_NAME} \\([^)]+)\\)" "\\1\\2-1)" changelog "${changelog}")
    string(CONFIGURE "${changelog}" changelog @ONLY)
    file(WRITE ${recipes}/debian/changelog "${changelog}")
endfunction()

# kalkulator_rpm_recipe(FILE CHANGELOG): rpmbuild's recipe in FILE, with
# CHANGELOG, already in rpm's form, as its %changelog.
function(kalkulator_rpm_recipe recipe changelog)
    string(STRIP "${changelog}" rpm_changelog)
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/linux/kalkulator-rpm.in ${recipe} @ONLY)
endfunction()

# The program so built links dynamically: its terms say so.
kalkulator_terms(recipe_terms ${PROJECT_SOURCE_DIR}/COPYING)
kalkulator_debian_recipe(${KALKULATOR_RECIPES} "${recipe_terms}${KALKULATOR_DYNAMIC_TERMS}"
    ${KALKULATOR_CHANGELOG})
kalkulator_rpm_recipe(${KALKULATOR_RECIPES}/${PROJECT_NAME}.spec "${KALKULATOR_RPM_CHANGELOG}")
