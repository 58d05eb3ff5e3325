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

# kalkulator_linux_cross(TRIPLE QEMU [CPU...]): Debian's cross compiler for
# TRIPLE, and qemu-user's QEMU for the tests, as the first CPU given
# (KALKULATOR_QEMU_OTHER_CPUS keeps the rest). The program is static: the
# emulator needs no system of the target beside it.
macro(kalkulator_linux_cross triple qemu)
    set(CMAKE_SYSTEM_NAME Linux)
    set(CMAKE_CXX_COMPILER ${triple}-g++)
    kalkulator_cross_root(/usr/${triple})
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
