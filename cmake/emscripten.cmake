# Build for JavaScript with Debian's emscripten (em++): kalkulator.js runs as
# the console program under Node, which the tests use to run it, and inside
# the page (web/). Debian's em++ finds its Node modules (acorn and others)
# only through NODE_PATH, which the web presets set.
set(kalkulator_emscripten_root /usr/share/emscripten)
if(DEFINED ENV{EMSCRIPTEN_ROOT})
    set(kalkulator_emscripten_root $ENV{EMSCRIPTEN_ROOT})
endif()
include(${kalkulator_emscripten_root}/cmake/Modules/Platform/Emscripten.cmake)
