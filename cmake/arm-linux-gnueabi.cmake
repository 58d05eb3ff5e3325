# 32-bit ARM Linux by Debian's armel cross compiler: ARMv5TE code, static,
# so it runs on ARMv6 (Pi 1, Zero) and later, armel or armhf alike. Tested
# under qemu-user as the Pi 1's ARM1176 and again as a Cortex-A7 (Pi 2).
set(CMAKE_SYSTEM_PROCESSOR arm)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
kalkulator_linux_cross(arm-linux-gnueabi armel qemu-arm arm1176 cortex-a7)
