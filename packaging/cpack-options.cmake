# Read by cpack before it makes each package.

# Every package carries the program's icon and the licence notices of the
# libraries linked into it.
if(NOT CPACK_KALKULATOR_ICONS)
    message(FATAL_ERROR "The packages carry the program's icon, which this build could not "
        "draw: apt-get install ${CPACK_KALKULATOR_ICON_PACKAGES}, then configure again")
endif()
if(NOT CPACK_KALKULATOR_STATIC)
    message(FATAL_ERROR "cpack packages the static program (-DKALKULATOR_STATIC=ON); a "
        "distribution builds its own packages with packaging/debian or packaging/linux/kalkulator-rpm.in")
endif()
if(NOT CPACK_KALKULATOR_NOTICES_FOUND)
    message(FATAL_ERROR "The packages carry the licence notices of the libraries linked into "
        "the program, which this build could not find (see the configure warning)")
endif()

# Every time written into a package is the release's, its changelog entry's,
# so that the same sources give the same bytes whenever and wherever they
# are packaged, from a checkout or from the source release unpacked; the
# caller's SOURCE_DATE_EPOCH wins.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} ${CPACK_KALKULATOR_RELEASE_EPOCH})
endif()

# The source configuration (CPackSourceConfig.cmake, which alone installs
# directories) makes the source release and nothing else, with nothing staged.
if(CPACK_INSTALLED_DIRECTORIES)
    set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${CPACK_KALKULATOR_SOURCE_DIR}/packaging/source-release.cmake)
    set(CPACK_EXTERNAL_ENABLE_STAGING OFF)
endif()

# The .deb alone carries what only Debian reads: the files that a plain
# install leaves out.
if(CPACK_GENERATOR STREQUAL "DEB")
    list(SUBLIST CPACK_INSTALL_CMAKE_PROJECTS 0 2 project)
    list(APPEND CPACK_INSTALL_CMAKE_PROJECTS ${project} debian /)
endif()
