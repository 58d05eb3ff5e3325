# Cross build for 64-bit ARM Linux (Debian's arm64) with Debian's cross
# compiler (g++-aarch64-linux-gnu), run under qemu-user for the tests.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
kalkulator_linux_cross(aarch64-linux-gnu arm64 qemu-aarch64)
