# Cross build for 32-bit ARM Linux with hardware floating point (Debian's
# armhf: ARMv7 and newer) with Debian's cross compiler
# (g++-arm-linux-gnueabihf), run under qemu-user for the tests.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)

set(CMAKE_CXX_COMPILER arm-linux-gnueabihf-g++)

set(CMAKE_FIND_ROOT_PATH /usr/arm-linux-gnueabihf)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The program is static, so the emulator needs no ARM system beside it.
find_program(KALKULATOR_QEMU qemu-arm)
if(KALKULATOR_QEMU)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KALKULATOR_QEMU})
endif()
