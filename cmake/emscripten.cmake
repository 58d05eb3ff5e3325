# Build for JavaScript with Debian's emscripten (em++): kalkulator.js runs as
# the console program under Node, which the tests use to run it, and inside
# the page (web/).
set(kalkulator_emscripten_root /usr/share/emscripten)
if(DEFINED ENV{EMSCRIPTEN_ROOT})
    set(kalkulator_emscripten_root $ENV{EMSCRIPTEN_ROOT})
endif()
include(${kalkulator_emscripten_root}/cmake/Modules/Platform/Emscripten.cmake)

# Debian's em++ finds its Node modules only through NODE_PATH: given here to
# every compile, link and check, so that the build needs nothing set.
if(NOT DEFINED ENV{NODE_PATH} AND EXISTS /usr/share/nodejs/acorn)
    set(ENV{NODE_PATH} /usr/share/nodejs)
endif()
if(DEFINED ENV{NODE_PATH})
    set(kalkulator_node_env ${CMAKE_COMMAND} -E env NODE_PATH=$ENV{NODE_PATH})
    set(CMAKE_CXX_COMPILER_LAUNCHER ${kalkulator_node_env} CACHE STRING "")
    set(CMAKE_CXX_LINKER_LAUNCHER ${kalkulator_node_env} CACHE STRING "")
endif()
