# Cross build for 32-bit ARM Linux with hardware floating point (Debian's
# armhf: ARMv7 and newer) with Debian's cross compiler
# (g++-arm-linux-gnueabihf), run under qemu-user for the tests.
set(CMAKE_SYSTEM_PROCESSOR arm)
set(kalkulator_triple arm-linux-gnueabihf)
set(kalkulator_qemu qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
