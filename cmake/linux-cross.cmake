# What the ARM Linux toolchain files share: Debian's cross compiler for the
# target kalkulator_triple, with that target's libraries and headers only,
# and qemu-user's kalkulator_qemu to run the tests. The program is static, so
# the emulator needs no ARM system beside it.
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
endif()
