# The licence notices that the libraries linked into the program ask its
# packages to carry, in one file, KALKULATOR_NOTICES: the C and C++ runtimes
# of the toolchain, found by asking the compiler where they are and Debian
# which package installed them, and taken whole from that package's copyright
# file. Sets KALKULATOR_NOTICES_FOUND; without dpkg (another system) the
# program builds all the same, and only cpack refuses to make the packages.

set(KALKULATOR_NOTICES ${PROJECT_BINARY_DIR}/THIRD-PARTY-NOTICES.txt)
set(KALKULATOR_NOTICES_FOUND FALSE)

set(linked)
set(names)
if(EMSCRIPTEN)
    list(APPEND linked ${EMSCRIPTEN_ROOT_PATH}/system/lib) # musl, libc++, libc++abi, compiler-rt
elseif(WIN32)
    set(names libstdc++.a libgcc.a libmingwex.a libwinpthread.a)
else()
    set(names libc.a libstdc++.a libgcc.a)
endif()
foreach(name IN LISTS names)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
        OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(IS_ABSOLUTE "${path}")
        file(REAL_PATH ${path} path)
        list(APPEND linked ${path})
    endif()
endforeach()

find_program(KALKULATOR_DPKG_QUERY dpkg-query)
set(sections)
foreach(path IN LISTS linked)
    if(NOT KALKULATOR_DPKG_QUERY)
        break()
    endif()
    execute_process(COMMAND ${KALKULATOR_DPKG_QUERY} -S ${path}
        OUTPUT_VARIABLE owner RESULT_VARIABLE result ERROR_QUIET)
    string(REGEX MATCH "^[^:, ]+" package "${owner}")
    set(copyright /usr/share/doc/${package}/copyright)
    if(NOT result EQUAL 0 OR NOT EXISTS ${copyright})
        set(sections)
        break()
    endif()
    # Packages of one source share one copyright file.
    file(REAL_PATH ${copyright} copyright)
    get_filename_component(name ${path} NAME)
    if(EMSCRIPTEN)
        set(name "musl, libc++, libc++abi, compiler-rt, emmalloc")
    endif()
    if(NOT copyright IN_LIST sections)
        list(APPEND sections ${copyright})
        set(packages_${copyright} ${package})
    endif()
    list(APPEND names_${copyright} ${name})
endforeach()

if(NOT sections)
    message(WARNING "The licence notices of the libraries linked into kalkulator are taken from "
        "Debian's packages, which dpkg-query could not name here: cpack will not make the "
        "packages")
    return()
endif()

if(EMSCRIPTEN)
    set(program kalkulator.js)
elseif(WIN32)
    set(program kalkulator.exe)
else()
    set(program kalkulator)
endif()
set(text "${PROJECT_NAME} ${PROJECT_VERSION}: third-party notices

${program} holds code of the libraries below, linked into it when it was
built. Their copyright and licence terms follow, each as the Debian package
that installed the library states them.
")
if(NOT EMSCRIPTEN AND NOT WIN32)
    string(APPEND text "
The GNU C Library is linked into ${program} statically. As its licence, the
GNU Lesser General Public License 2.1, asks in section 6, the authors of
kalkulator give, on request, the object files of kalkulator, so that it can
be linked again with a modified GNU C Library.
")
endif()
foreach(copyright IN LISTS sections)
    list(JOIN names_${copyright} ", " libraries)
    file(READ ${copyright} terms)
    string(APPEND text "

======================================================================
${packages_${copyright}} (${libraries})
======================================================================

${terms}")
endforeach()
if(WIN32) # beside CZYTAJ.txt, for Notepad alike
    string(REPLACE "\n" "\r\n" text "${text}")
endif()
file(WRITE ${KALKULATOR_NOTICES} "${text}")
set(KALKULATOR_NOTICES_FOUND TRUE)
