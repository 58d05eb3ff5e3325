# What is installed, and the packages that cpack makes of it, each the same
# bytes from the same sources (packaging/cpack-*.cmake), its bill beside it.
# Sets, for the tests, KALKULATOR_PACKAGES (the packages' file names in the
# build folder), KALKULATOR_PACKAGE_NAME (the archives' name, and the one
# folder they hold) and, on Linux, KALKULATOR_DESKTOP_ENTRY and _METAINFO.

# Every UUID of the packages follows from this and a name; the MSI's upgrade
# code, which tells Windows that a later version replaces this one, is it.
set(KALKULATOR_UUID_NAMESPACE 6F1C2A4E-9B3D-4E57-8A60-2D4B7C9E1F35)

include(packaging/notices.cmake)

# kalkulator's terms, which every package carries: the Linux packages in
# their copyright file, with the AppStream metadata's, the others beside the
# program as COPYING.txt (in CRLF on Windows, for Notepad).
include(packaging/terms/terms.cmake)
kalkulator_terms(kalkulator_terms ${PROJECT_SOURCE_DIR}/COPYING)
set(metainfo_terms "")
set(copyright copyright)
set(newlines UNIX)
if(WIN32)
    set(copyright COPYING.txt)
    set(newlines CRLF)
elseif(EMSCRIPTEN)
    set(copyright COPYING.txt)
else()
    kalkulator_terms(metainfo_terms ${PROJECT_SOURCE_DIR}/packaging/terms/metainfo.txt.in)
    string(PREPEND metainfo_terms "\n\n")
endif()
# Configured first, so that the newlines of the terms put in are turned too.
file(READ packaging/copyright.in text)
string(CONFIGURE "${text}" text @ONLY)
file(CONFIGURE OUTPUT ${copyright} CONTENT "${text}" @ONLY NEWLINE_STYLE ${newlines})
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS packaging/copyright.in)
if(EMSCRIPTEN OR WIN32)
    install(FILES ${PROJECT_BINARY_DIR}/COPYING.txt DESTINATION .)
endif()

if(KALKULATOR_NOTICES_FOUND)
    install(FILES ${KALKULATOR_NOTICES}
        DESTINATION $<IF:$<BOOL:${EMSCRIPTEN}${WIN32}>,.,${CMAKE_INSTALL_DOCDIR}>)
endif()

if(EMSCRIPTEN)
    # The page alone, which web/web.cmake installs.
elseif(WIN32)
    # The program and its guide side by side, the guide in CRLF for Notepad,
    # naming the upgrade code that finds any version for uninstalling.
    install(TARGETS kalkulator RUNTIME DESTINATION .)
    set(KALKULATOR_UPGRADE_CODE "{${KALKULATOR_UUID_NAMESPACE}}")
    configure_file(packaging/windows/CZYTAJ.txt.in CZYTAJ.txt @ONLY NEWLINE_STYLE CRLF)
    set(KALKULATOR_FILE_VERSION ${PROJECT_VERSION}.0) # as kalkulator.rc gives it
    install(FILES ${PROJECT_BINARY_DIR}/CZYTAJ.txt DESTINATION .)
else()
    install(TARGETS kalkulator RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    # Stripping leaves the compilers' names in .comment, which nothing reads.
    install(CODE "if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
            \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/kalkulator\"
            COMMAND_ERROR_IS_FATAL ANY)
    endif()")
    install(FILES README.md ${PROJECT_BINARY_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

    # Manual pages and changelog gzipped as Debian has them: -9, no name or time.
    configure_file(packaging/kalkulator.1.in kalkulator.1 @ONLY)
    configure_file(packaging/kalkulator.pl.1.in pl/kalkulator.1 @ONLY)
    configure_file(${KALKULATOR_CHANGELOG} changelog @ONLY)
    find_program(KALKULATOR_GZIP gzip REQUIRED)
    foreach(file kalkulator.1 pl/kalkulator.1 changelog)
        execute_process(COMMAND ${KALKULATOR_GZIP} -9 -n -c ${PROJECT_BINARY_DIR}/${file}
            OUTPUT_FILE ${PROJECT_BINARY_DIR}/${file}.gz COMMAND_ERROR_IS_FATAL ANY)
    endforeach()
    install(FILES ${PROJECT_BINARY_DIR}/kalkulator.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    install(FILES ${PROJECT_BINARY_DIR}/pl/kalkulator.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/pl/man1)
    install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})

    # The desktop menus' entry (in a terminal, whose final wait keeps the
    # result in view), its icons, and what software centres show.
    set(KALKULATOR_DESKTOP_ENTRY ${PROJECT_BINARY_DIR}/kalkulator.desktop)
    set(KALKULATOR_METAINFO ${PROJECT_BINARY_DIR}/${KALKULATOR_APP_ID}.metainfo.xml)
    configure_file(packaging/linux/kalkulator.desktop.in ${KALKULATOR_DESKTOP_ENTRY} @ONLY)
    foreach(language "" _PL)
        list(TRANSFORM KALKULATOR_CALCULATIONS${language} PREPEND "      <li>" OUTPUT_VARIABLE items)
        list(TRANSFORM items APPEND "</li>")
        list(JOIN items "\n" metainfo_calculations${language})
    endforeach()
    configure_file(packaging/linux/metainfo.xml.in ${KALKULATOR_METAINFO} @ONLY)
    install(FILES ${KALKULATOR_DESKTOP_ENTRY} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${KALKULATOR_METAINFO} DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    if(KALKULATOR_ICONS)
        set(hicolor ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
        foreach(size IN LISTS KALKULATOR_ICON_SIZES)
            install(FILES ${KALKULATOR_ICON_DIR}/${size}x${size}.png
                DESTINATION ${hicolor}/${size}x${size}/apps RENAME kalkulator.png)
        endforeach()
        install(FILES ${KALKULATOR_ICON_SVG} DESTINATION ${hicolor}/scalable/apps)
    endif()
    # Only the .deb has it (packaging/cpack-options.cmake).
    install(FILES packaging/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME ${PROJECT_NAME} COMPONENT debian EXCLUDE_FROM_ALL)
endif()

# The processor by Debian's name, by RPM's (where Fedora and openSUSE build
# for it), and in the archive's name (x86-64's tar.gz keeps its first name).
if(EMSCRIPTEN)
    set(CPACK_SYSTEM_NAME web)
elseif(WIN32)
    set(CPACK_SYSTEM_NAME win64)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64)$")
    set(kalkulator_deb_arch amd64)
    set(kalkulator_rpm_arch x86_64)
    set(CPACK_SYSTEM_NAME Linux)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^(aarch64|arm64)$")
    set(kalkulator_deb_arch arm64)
    set(kalkulator_rpm_arch aarch64)
    set(CPACK_SYSTEM_NAME Linux-aarch64)
elseif(CMAKE_SYSTEM_PROCESSOR MATCHES "^arm")
    # ARMv5TE code from the armel compiler, static: it runs on every armhf
    # system, a Pi 1 or Zero included.
    set(kalkulator_deb_arch armhf)
    set(CPACK_SYSTEM_NAME Linux-armhf)
else()
    # Another processor: its own name, where Debian's may differ.
    string(TOLOWER ${CMAKE_SYSTEM_PROCESSOR} kalkulator_deb_arch)
    set(CPACK_SYSTEM_NAME Linux-${kalkulator_deb_arch})
endif()
# The archives' name and the one folder they hold; the source release's.
set(CPACK_SOURCE_PACKAGE_FILE_NAME ${PROJECT_NAME}-${PROJECT_VERSION})
set(KALKULATOR_PACKAGE_NAME ${PROJECT_NAME}-${PROJECT_VERSION}-${CPACK_SYSTEM_NAME})
set(CPACK_PACKAGE_FILE_NAME ${KALKULATOR_PACKAGE_NAME})
if(EMSCRIPTEN OR WIN32)
    set(CPACK_GENERATOR ZIP)
    set(KALKULATOR_PACKAGES ${KALKULATOR_PACKAGE_NAME}.zip)
endif()
if(WIN32)
    # The installer, from msitools (packaging/windows/msi.cmake).
    find_program(KALKULATOR_WIXL wixl)
    find_program(KALKULATOR_MSIBUILD msibuild)
    find_program(KALKULATOR_FAKETIME faketime)
    if(KALKULATOR_WIXL AND KALKULATOR_MSIBUILD AND KALKULATOR_FAKETIME)
        list(APPEND CPACK_GENERATOR External)
        list(APPEND KALKULATOR_PACKAGES ${KALKULATOR_PACKAGE_NAME}.msi)
        set(CPACK_EXTERNAL_ENABLE_STAGING ON)
        set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${PROJECT_SOURCE_DIR}/packaging/windows/msi.cmake)
    else()
        message(WARNING "wixl, msibuild or faketime is missing (apt-get install wixl "
            "msitools faketime): cpack makes the zip only, not the installer")
    endif()
elseif(NOT EMSCRIPTEN)
    set(CPACK_GENERATOR TGZ DEB)
    set(KALKULATOR_PACKAGES ${KALKULATOR_PACKAGE_NAME}.tar.gz
        ${PROJECT_NAME}_${PROJECT_VERSION}_${kalkulator_deb_arch}.deb)
    # The source release once, beside the packages for the build's own
    # processor, and the distributions' recipes beside it.
    if(NOT CMAKE_CROSSCOMPILING)
        set(kalkulator_recipes TRUE)
        list(APPEND CPACK_GENERATOR External)
        list(APPEND KALKULATOR_PACKAGES ${CPACK_SOURCE_PACKAGE_FILE_NAME}.tar.gz
            ${CPACK_SOURCE_PACKAGE_FILE_NAME}.spec ${PROJECT_NAME}_${PROJECT_VERSION}-1.debian.tar.xz)
        set(CPACK_EXTERNAL_PACKAGE_SCRIPT ${PROJECT_SOURCE_DIR}/packaging/source-release.cmake)
    endif()
    if(kalkulator_rpm_arch)
        find_program(KALKULATOR_RPMBUILD rpmbuild)
        if(KALKULATOR_RPMBUILD)
            list(APPEND CPACK_GENERATOR RPM)
            list(APPEND KALKULATOR_PACKAGES
                ${PROJECT_NAME}-${PROJECT_VERSION}-1.${kalkulator_rpm_arch}.rpm)
        else()
            message(WARNING "rpmbuild is missing (apt-get install rpm): cpack makes no RPM")
        endif()
    endif()
endif()
set(CPACK_PACKAGE_VENDOR "${KALKULATOR_AUTHORS}")
set(CPACK_PACKAGE_CONTACT "${KALKULATOR_MAINTAINER}")
# On lines of at most 72 characters, as package lists show them.
string(REGEX REPLACE " +" ";" words "An interactive calculator with a Polish text interface in \
plain ASCII. It shows a menu of eight calculations: ${KALKULATOR_SUMMARY_LOWER}. It asks for the \
quantities, prints one result line and waits for one more entry before it exits.")
list(POP_FRONT words line)
set(CPACK_PACKAGE_DESCRIPTION "")
foreach(word IN LISTS words)
    string(LENGTH "${line} ${word}" length)
    if(length GREATER 72)
        string(APPEND CPACK_PACKAGE_DESCRIPTION "${line}\n")
        set(line "${word}")
    else()
        string(APPEND line " ${word}")
    endif()
endforeach()
string(APPEND CPACK_PACKAGE_DESCRIPTION "${line}")
if(kalkulator_recipes) # after the description, which they carry
    include(packaging/recipes.cmake)
endif()
if(NOT EMSCRIPTEN) # a page has nothing to strip
    set(CPACK_STRIP_FILES ON)
endif()
# make package_source makes the same source release (packaging/cpack-options.cmake).
set(CPACK_SOURCE_GENERATOR External)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/cpack-options.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/cpack-pre-build.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/cpack-post-build.cmake)
# What the scripts that cpack runs take from the build, as CPACK_KALKULATOR_*.
set(CPACK_KALKULATOR_SOURCE_DIR ${PROJECT_SOURCE_DIR})
foreach(name STATIC RECIPES SUMMARY_PL ICONS NOTICES_FOUND ICON_PACKAGES DISPLAY_NAME AUTHORS LICENSE
        UUID_NAMESPACE PROGRAM_FILE LIBRARIES WIXL MSIBUILD FAKETIME ICO RELEASE_EPOCH FILE_VERSION)
    set(CPACK_KALKULATOR_${name} "${KALKULATOR_${name}}")
endforeach()

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${kalkulator_deb_arch})
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The sources of the code linked in statically (Debian policy 7.8): CPack has
# no variable for Built-Using, so it is a line of its own after Source.
if(KALKULATOR_BUILT_USING)
    set(CPACK_DEBIAN_PACKAGE_SOURCE "${PROJECT_NAME}\nBuilt-Using: ${KALKULATOR_BUILT_USING}")
endif()

# The RPM: the .deb's files, owning only its own folders, the same bytes
# from the same sources.
set(CPACK_RPM_FILE_NAME RPM-DEFAULT)
set(CPACK_RPM_PACKAGE_ARCHITECTURE ${kalkulator_rpm_arch})
set(CPACK_RPM_PACKAGE_RELEASE 1) # as KALKULATOR_PACKAGES names it
set(CPACK_RPM_PACKAGE_DESCRIPTION "${CPACK_PACKAGE_DESCRIPTION}")
set(CPACK_RPM_PACKAGE_GROUP "Applications/Engineering")
set(CPACK_RPM_PACKAGE_LICENSE ${KALKULATOR_LICENSE})
# The licence terms are installed even where documentation is not.
set(CPACK_RPM_USER_FILELIST "%license /usr/${CMAKE_INSTALL_DOCDIR}/copyright"
    "%license /usr/${CMAKE_INSTALL_DOCDIR}/THIRD-PARTY-NOTICES.txt")
set(CPACK_RPM_CHANGELOG_FILE ${PROJECT_BINARY_DIR}/rpm-changelog)
set(CPACK_PACKAGE_RELOCATABLE OFF)
# Static, it needs no library; the icon theme owns the icons' folders.
set(CPACK_RPM_PACKAGE_AUTOREQ OFF)
set(CPACK_RPM_PACKAGE_REQUIRES hicolor-icon-theme)
set(CPACK_RPM_SPEC_MORE_DEFINE "%define packager ${KALKULATOR_MAINTAINER}
%define _build_id_links none
%define __os_install_post %{nil}
%define _buildhost reproducible
%define use_source_date_epoch_as_buildtime 1
%define clamp_mtime_to_source_date_epoch 1")
set(system_folders ${CMAKE_INSTALL_MANDIR} ${CMAKE_INSTALL_MANDIR}/man1 ${CMAKE_INSTALL_MANDIR}/pl
    ${CMAKE_INSTALL_MANDIR}/pl/man1 ${CMAKE_INSTALL_DATADIR}/applications
    ${CMAKE_INSTALL_DATADIR}/metainfo ${CMAKE_INSTALL_DATADIR}/icons
    ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
foreach(size IN LISTS KALKULATOR_ICON_SIZES ITEMS scalable)
    string(REGEX REPLACE "^[0-9]+$" "\\0x\\0" size ${size})
    list(APPEND system_folders ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}
        ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps)
endforeach()
list(TRANSFORM system_folders PREPEND /usr/ OUTPUT_VARIABLE CPACK_RPM_EXCLUDE_FROM_AUTO_FILELIST_ADDITION)

include(CPack)
