# What the cross toolchain files share.

# kalkulator_cross_root(ROOT): the target's libraries, headers and packages
# from ROOT alone; programs from the build machine.
macro(kalkulator_cross_root root)
    set(CMAKE_FIND_ROOT_PATH ${root})
    set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
    set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
    set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
    set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
endmacro()

# kalkulator_linux_cross(TRIPLE DEBIAN_ARCH QEMU [CPU...]): Debian's cross
# compiler for TRIPLE, linking Debian's current C and C++ libraries for
# DEBIAN_ARCH from a sysroot in the build folder (KALKULATOR_SYSROOT; empty
# where they cannot be downloaded: then the cross compiler's own), and
# qemu-user's QEMU for the tests, as the first CPU given
# (KALKULATOR_QEMU_OTHER_CPUS keeps the rest). The program is static: the
# emulator needs no system of the target beside it.
macro(kalkulator_linux_cross triple debian_arch qemu)
    set(CMAKE_SYSTEM_NAME Linux)
    set(CMAKE_CXX_COMPILER ${triple}-g++)
    kalkulator_cross_root(/usr/${triple})
    if(NOT DEFINED KALKULATOR_SYSROOT)
        execute_process(COMMAND ${CMAKE_CXX_COMPILER} -dumpversion
            OUTPUT_VARIABLE gcc_version OUTPUT_STRIP_TRAILING_WHITESPACE)
        execute_process(COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/sysroot.sh ${debian_arch}
            ${gcc_version} ${CMAKE_BINARY_DIR}/sysroot RESULT_VARIABLE result
            OUTPUT_QUIET ERROR_VARIABLE error)
        if(result EQUAL 0)
            set(KALKULATOR_SYSROOT ${CMAKE_BINARY_DIR}/sysroot CACHE PATH
                "Debian's C and C++ libraries that the program links")
        else()
            string(REGEX MATCH "[^\n]+" error "${error}")
            message(WARNING "Debian's current C and C++ libraries for ${debian_arch} could not be "
                "downloaded (${error}): the program links the cross compiler's own, which its "
                "notices name. Delete KALKULATOR_SYSROOT from the cache to try again.")
            set(KALKULATOR_SYSROOT "" CACHE PATH "Debian's C and C++ libraries that the program links")
        endif()
    endif()
    list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES KALKULATOR_SYSROOT)
    if(KALKULATOR_SYSROOT)
        # The sysroot's headers and libraries, C++'s included, before the
        # cross compiler's; --sysroot alone would still take those.
        file(GLOB gcc ${KALKULATOR_SYSROOT}/usr/lib/gcc/${triple}/*)
        set(usr ${KALKULATOR_SYSROOT}/usr)
        string(REGEX REPLACE "^.*/" "" gcc_version "${gcc}")
        set(CMAKE_CXX_FLAGS_INIT "--sysroot=${KALKULATOR_SYSROOT} -nostdinc++"
            " -isystem ${usr}/include/c++/${gcc_version}"
            " -isystem ${usr}/include/${triple}/c++/${gcc_version} -B ${usr}/lib/${triple}/"
            " -B ${gcc}/ -L ${gcc} -L ${usr}/lib/${triple}")
        string(JOIN "" CMAKE_CXX_FLAGS_INIT ${CMAKE_CXX_FLAGS_INIT})
    endif()
    find_program(KALKULATOR_QEMU ${qemu})
    if(KALKULATOR_QEMU)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${KALKULATOR_QEMU})
        set(KALKULATOR_QEMU_OTHER_CPUS ${ARGN})
        if(KALKULATOR_QEMU_OTHER_CPUS)
            list(POP_FRONT KALKULATOR_QEMU_OTHER_CPUS cpu)
            list(APPEND CMAKE_CROSSCOMPILING_EMULATOR -cpu ${cpu})
        endif()
    endif()
endmacro()
