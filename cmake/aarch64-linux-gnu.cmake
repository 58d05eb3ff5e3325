# Cross build for 64-bit ARM Linux (Debian's arm64) with Debian's cross
# compiler (g++-aarch64-linux-gnu), run under qemu-user for the tests.
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(kalkulator_triple aarch64-linux-gnu)
set(kalkulator_qemu qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
