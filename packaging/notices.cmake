# The licence notices of the runtimes linked in, KALKULATOR_NOTICES: the
# compiler says where they are, Debian which package holds them and its
# copyright file the terms (without dpkg, cpack refuses). Also sets:
#   KALKULATOR_NOTICES_FOUND   whether the notices could be written
#   KALKULATOR_LIBRARIES       "library|Debian package|version|arch|SPDX licence|
#                              upstream version", the last where it is not Debian's
#   KALKULATOR_BUILT_USING     the .deb's Built-Using, the linked code's sources
#   KALKULATOR_LIBC_SOURCES    of them, the C library's
#   KALKULATOR_PROGRAM_FILE    the program's file name
#   KALKULATOR_LINKING_TERMS   what the copyright file says of the libraries,
#   KALKULATOR_DYNAMIC_TERMS   and what it says of a dynamic program, which
# holds none of their code: it has no notices (a distribution's build). Each
# goes on from the program's own terms, in their last paragraph or after it.

set(KALKULATOR_NOTICES ${PROJECT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt)
set(KALKULATOR_NOTICES_FOUND FALSE)
set(KALKULATOR_DYNAMIC_TERMS " kalkulator is
linked dynamically with the C and C++ libraries of the system, which are
not part of it and come with their own terms.")
if(NOT KALKULATOR_STATIC AND NOT EMSCRIPTEN)
    set(KALKULATOR_LINKING_TERMS "${KALKULATOR_DYNAMIC_TERMS}")
    return()
endif()
set(KALKULATOR_LINKING_TERMS " kalkulator is
linked statically with the C and C++ libraries of the toolchain that
built it, whose terms this build could not name (it reads them from
Debian's packages).")

set(linked)
set(names)
# Each library's licence by SPDX's name: the terms of the code linked in.
# Debian's copyright files, which the notices hold whole, give a licence a
# group of files, none for a library as a whole.
set(licence_libc.a "LGPL-2.1-or-later")
set(licence_libstdc++.a "GPL-3.0-or-later WITH GCC-exception-3.1")
set(licence_libgcc.a "GPL-3.0-or-later WITH GCC-exception-3.1")
set(licence_libmingwex.a "ZPL-2.1")
set(licence_libwinpthread.a "MIT")
set(licence_musl "MIT")
set(licence_libc++ "Apache-2.0 WITH LLVM-exception")
set(licence_libc++abi "Apache-2.0 WITH LLVM-exception")
set(licence_compiler-rt "Apache-2.0 WITH LLVM-exception")
set(licence_emmalloc "MIT OR NCSA")

if(EMSCRIPTEN)
    set(linked ${EMSCRIPTEN_ROOT_PATH}/system/lib) # musl, libc++, libc++abi, compiler-rt
    # Their own versions, as emscripten's tree states them.
    file(STRINGS ${linked}/libc/musl/VERSION upstream_musl LIMIT_COUNT 1)
    foreach(library libc++=libcxx libc++abi=libcxxabi compiler-rt=compiler-rt)
        string(REGEX MATCH "^(.*)=(.*)$" library ${library})
        file(STRINGS ${linked}/${CMAKE_MATCH_2}/readme.txt release REGEX "based on release")
        string(REGEX REPLACE ".*based on release ([0-9.]*[0-9]).*" "\\1"
            upstream_${CMAKE_MATCH_1} "${release}")
    endforeach()
    file(STRINGS ${EMSCRIPTEN_ROOT_PATH}/emscripten-version.txt upstream_emmalloc LIMIT_COUNT 1)
    string(REPLACE "\"" "" upstream_emmalloc "${upstream_emmalloc}")
elseif(WIN32)
    set(names libstdc++.a libgcc.a libmingwex.a libwinpthread.a)
else()
    set(names libc.a libstdc++.a libgcc.a)
endif()
separate_arguments(flags UNIX_COMMAND "${CMAKE_CXX_FLAGS}") # a cross build's sysroot
foreach(name IN LISTS names)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} ${flags} -print-file-name=${name}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(IS_ABSOLUTE "${path}")
        file(REAL_PATH ${path} path)
        list(APPEND linked ${path})
    endif()
endforeach()

find_program(KALKULATOR_DPKG_QUERY dpkg-query)
set(sections)
set(KALKULATOR_LIBRARIES)
set(KALKULATOR_BUILT_USING)
set(KALKULATOR_LIBC_SOURCES)
if(KALKULATOR_SYSROOT)
    file(STRINGS ${KALKULATOR_SYSROOT}/pakiety sysroot_packages)
endif()
foreach(path IN LISTS linked)
    string(FIND "${path}" "${KALKULATOR_SYSROOT}/" in_sysroot)
    if(KALKULATOR_SYSROOT AND in_sysroot EQUAL 0)
        # From the sysroot: its list of each package's files says whose.
        string(LENGTH "${KALKULATOR_SYSROOT}" length)
        string(SUBSTRING "${path}" ${length} -1 file)
        set(package)
        foreach(line IN LISTS sysroot_packages)
            string(REPLACE " " ";" fields "${line}")
            list(GET fields 0 candidate)
            file(STRINGS ${KALKULATOR_SYSROOT}/pliki/${candidate} files)
            if(file IN_LIST files)
                list(POP_FRONT fields package version arch source source_version)
                break()
            endif()
        endforeach()
        set(copyright ${KALKULATOR_SYSROOT}/usr/share/doc/${package}/copyright)
        if(NOT package OR NOT EXISTS ${copyright})
            set(sections)
            break()
        endif()
        set(version_arch "${version}|${arch}")
        set(sources "${source} (= ${source_version})")
    else()
        if(NOT KALKULATOR_DPKG_QUERY)
            break()
        endif()
        execute_process(COMMAND ${KALKULATOR_DPKG_QUERY} -S ${path}
            OUTPUT_VARIABLE owner RESULT_VARIABLE result ERROR_QUIET)
        # "package:architecture: path", or "package: path" where it has one alone.
        string(REGEX MATCH "^([^:, ]+)(:[a-z0-9]+)?" installed "${owner}")
        set(package "${CMAKE_MATCH_1}")
        set(copyright /usr/share/doc/${package}/copyright)
        if(NOT result EQUAL 0 OR NOT EXISTS ${copyright})
            set(sections)
            break()
        endif()
        execute_process(COMMAND ${KALKULATOR_DPKG_QUERY} -W "-f=\${Version}|\${Architecture}\n\
\${source:Package} (= \${source:Version}), \${Built-Using}" ${installed} OUTPUT_VARIABLE sources)
        string(REGEX REPLACE "^([^\n]*)\n(.*[^ ,]),? *$" "\\1" version_arch "${sources}")
        string(REGEX REPLACE "^([^\n]*)\n(.*[^ ,]),? *$" "\\2" sources "${sources}")
        string(REPLACE ", " ";" sources "${sources}")
    endif()
    list(APPEND KALKULATOR_BUILT_USING ${sources})
    if(path MATCHES "/libc\\.a$")
        # A cross compiler's C library names glibc's own source among its own.
        set(KALKULATOR_LIBC_SOURCES ${sources})
        list(FILTER sources INCLUDE REGEX "^glibc ")
        if(sources)
            set(KALKULATOR_LIBC_SOURCES ${sources})
        endif()
    endif()
    # Packages of one source share one copyright file.
    file(REAL_PATH ${copyright} copyright)
    get_filename_component(name ${path} NAME)
    set(libraries ${name})
    if(EMSCRIPTEN)
        set(libraries musl libc++ libc++abi compiler-rt emmalloc)
        list(JOIN libraries ", " name)
    endif()
    foreach(library IN LISTS libraries)
        if(NOT DEFINED licence_${library})
            message(FATAL_ERROR "packaging/notices.cmake gives no licence for ${library}")
        endif()
        list(APPEND KALKULATOR_LIBRARIES
            "${library}|${package}|${version_arch}|${licence_${library}}|${upstream_${library}}")
    endforeach()
    list(APPEND sections ${copyright})
    list(APPEND packages_${copyright} ${package})
    list(APPEND names_${copyright} ${name})
endforeach()
list(REMOVE_DUPLICATES sections)

if(NOT sections)
    message(WARNING "The licence notices of the libraries linked into kalkulator are taken from "
        "Debian's packages, which dpkg-query could not name here: cpack will not make the "
        "packages")
    return()
endif()

set(program kalkulator${CMAKE_EXECUTABLE_SUFFIX})
list(REMOVE_DUPLICATES KALKULATOR_BUILT_USING)
list(JOIN KALKULATOR_BUILT_USING "\n    " sources)
list(JOIN KALKULATOR_BUILT_USING ", " KALKULATOR_BUILT_USING)
list(JOIN KALKULATOR_LIBC_SOURCES ", " KALKULATOR_LIBC_SOURCES)
set(libc_terms "")
if(KALKULATOR_LIBC_SOURCES)
    # The LGPL's section 6: whoever gets the program may link it again with
    # a modified library; its text ends the notices.
    file(READ ${CMAKE_CURRENT_LIST_DIR}/notices-libc.txt.in libc_terms)
    string(STRIP "${libc_terms}" libc_terms)
    string(CONFIGURE "\n\n${libc_terms}" libc_terms @ONLY)
    set(lgpl /usr/share/common-licenses/LGPL-2.1)
    list(APPEND sections ${lgpl})
    set(heading_${lgpl} "GNU Lesser General Public License, version 2.1")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_LIST_DIR}/notices.txt.in ${CMAKE_CURRENT_LIST_DIR}/notices-libc.txt.in
    ${CMAKE_CURRENT_LIST_DIR}/copyright-static.txt.in ${CMAKE_CURRENT_LIST_DIR}/copyright-libc.txt.in)
file(READ ${CMAKE_CURRENT_LIST_DIR}/notices.txt.in text)
string(CONFIGURE "${text}" text @ONLY)
set(rule "======================================================================")
foreach(copyright IN LISTS sections)
    if(NOT DEFINED heading_${copyright})
        list(JOIN names_${copyright} ", " libraries)
        list(REMOVE_DUPLICATES packages_${copyright})
        list(JOIN packages_${copyright} ", " packages)
        set(heading_${copyright} "${packages} (${libraries})")
    endif()
    file(READ ${copyright} terms)
    string(APPEND text "\n\n${rule}\n${heading_${copyright}}\n${rule}\n\n${terms}")
endforeach()
if(WIN32) # beside CZYTAJ.txt, for Notepad alike
    string(REPLACE "\n" "\r\n" text "${text}")
endif()
file(WRITE ${KALKULATOR_NOTICES} "${text}")
set(KALKULATOR_NOTICES_FOUND TRUE)
# What the copyright file says of them: the GNU C Library's section 6 first,
# where it is linked in, in the program's paragraph; else a paragraph alone.
file(READ ${CMAKE_CURRENT_LIST_DIR}/copyright-static.txt.in KALKULATOR_LINKING_TERMS)
if(KALKULATOR_LIBC_SOURCES)
    file(READ ${CMAKE_CURRENT_LIST_DIR}/copyright-libc.txt.in libc_terms)
    string(PREPEND KALKULATOR_LINKING_TERMS " ${libc_terms}\n")
else()
    string(PREPEND KALKULATOR_LINKING_TERMS "\n\n")
endif()
string(REGEX REPLACE "\n+$" "" KALKULATOR_LINKING_TERMS "${KALKULATOR_LINKING_TERMS}")
string(CONFIGURE "${KALKULATOR_LINKING_TERMS}" KALKULATOR_LINKING_TERMS @ONLY)
set(KALKULATOR_PROGRAM_FILE ${program})
