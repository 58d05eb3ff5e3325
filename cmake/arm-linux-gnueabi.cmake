# Cross build for 32-bit ARM Linux with Debian's armel cross compiler
# (g++-arm-linux-gnueabi), whose libraries are ARMv5TE code: the static program
# runs on ARMv6 (Raspberry Pi 1, Zero) and every later ARM. Being static, it
# does not care whether the system passes floats in the soft-float (armel) or
# the hard-float (armhf) way. The tests run under qemu-user as an ARM1176, the
# Pi 1's processor, and again as a Cortex-A7 (Pi 2).
set(CMAKE_SYSTEM_PROCESSOR arm)
set(kalkulator_triple arm-linux-gnueabi)
set(kalkulator_qemu qemu-arm)
set(kalkulator_qemu_cpus arm1176 cortex-a7)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
