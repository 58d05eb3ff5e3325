# What the ARM toolchain files share: Debian's cross compiler for
# kalkulator_triple, and qemu-user's kalkulator_qemu for the tests, as the
# first of kalkulator_qemu_cpus (KALKULATOR_QEMU_OTHER_CPUS keeps the rest).
# The program is static: the emulator needs no ARM system beside it.
set(CMAKE_SYSTEM_NAME Linux)

set(CMAKE_CXX_COMPILER ${kalkulator_triple}-g++)

set(CMAKE_FIND_ROOT_PATH /usr/${kalkulator_triple})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

find_program(KALKULATOR_QEMU ${kalkulator_qemu})
if(KALKULATOR_QEMU)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KALKULATOR_QEMU})
    if(kalkulator_qemu_cpus)
        list(POP_FRONT kalkulator_qemu_cpus cpu)
        list(APPEND CMAKE_CROSSCOMPILING_EMULATOR -cpu ${cpu})
        set(KALKULATOR_QEMU_OTHER_CPUS ${kalkulator_qemu_cpus})
    endif()
endif()
