# Cross build for 64-bit Windows with Debian's MinGW-w64 (the posix threading
# flavour), run under Wine for the tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(mingw_prefix x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${mingw_prefix}-gcc-posix)
set(CMAKE_CXX_COMPILER ${mingw_prefix}-g++-posix)
set(CMAKE_RC_COMPILER ${mingw_prefix}-windres)

include(${CMAKE_CURRENT_LIST_DIR}/cross.cmake)
kalkulator_cross_root(/usr/${mingw_prefix})

find_program(KALKULATOR_WINE NAMES wine64 wine PATHS /usr/lib/wine)
if(KALKULATOR_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${KALKULATOR_WINE})
endif()
