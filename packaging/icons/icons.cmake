# The icon for Linux desktops (hicolor PNGs), Windows (.ico) and the page,
# drawn from kalkulator.svg by rsvg-convert, and for Windows put together by
# icotool; without them the program builds, and cpack refuses. Sets
# KALKULATOR_ICONS (whether they are made), KALKULATOR_ICON_PACKAGES (what
# installs the tools), KALKULATOR_ICON_DIR (NxN.png), KALKULATOR_ICO on
# Windows, the target kalkulator_icons and the function kalkulator_draw_icon.

set(KALKULATOR_ICON_SVG ${CMAKE_CURRENT_LIST_DIR}/kalkulator.svg)
set(KALKULATOR_ICON_SIZES 16 22 24 32 48 64 128 256)
set(KALKULATOR_ICON_DIR ${PROJECT_BINARY_DIR}/icons)
set(KALKULATOR_ICON_PACKAGES "librsvg2-bin")
# Windows takes 16 to 64 as bitmaps, and 256 as PNG.
set(ico_sizes 16 24 32 48 64)

add_custom_target(kalkulator_icons ALL)
# A debug build is for working on the program, and nobody packages it.
if(CMAKE_BUILD_TYPE STREQUAL "Debug")
    set(KALKULATOR_ICONS FALSE)
    return()
endif()
find_program(KALKULATOR_RSVG_CONVERT rsvg-convert)
set(KALKULATOR_ICONS ${KALKULATOR_RSVG_CONVERT})
if(WIN32)
    string(APPEND KALKULATOR_ICON_PACKAGES " icoutils")
    find_program(KALKULATOR_ICOTOOL icotool)
    set(KALKULATOR_ICONS ${KALKULATOR_ICONS} ${KALKULATOR_ICOTOOL})
endif()
if(KALKULATOR_ICONS MATCHES "NOTFOUND")
    set(KALKULATOR_ICONS FALSE)
    message(WARNING "A tool that draws the icons is missing (apt-get install "
        "${KALKULATOR_ICON_PACKAGES}): the program builds without its icons, and "
        "cpack will not make the packages")
    return()
endif()
set(KALKULATOR_ICONS TRUE)

# Draws SVG at SIZE pixels square into PNG, made by the target kalkulator_icons.
function(kalkulator_draw_icon svg size png)
    get_filename_component(folder ${png} DIRECTORY)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${folder}
        COMMAND ${KALKULATOR_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${svg}
        DEPENDS ${svg}
        COMMENT "Drawing ${png}" VERBATIM)
    set_property(TARGET kalkulator_icons APPEND PROPERTY SOURCES ${png})
endfunction()

foreach(size IN LISTS KALKULATOR_ICON_SIZES)
    kalkulator_draw_icon(${KALKULATOR_ICON_SVG} ${size} ${KALKULATOR_ICON_DIR}/${size}x${size}.png)
endforeach()

if(NOT WIN32)
    return()
endif()
set(KALKULATOR_ICO ${KALKULATOR_ICON_DIR}/kalkulator.ico)
list(TRANSFORM ico_sizes REPLACE "(.+)" "${KALKULATOR_ICON_DIR}/\\1x\\1.png" OUTPUT_VARIABLE ico_pngs)
set(ico_large ${KALKULATOR_ICON_DIR}/256x256.png)
add_custom_command(OUTPUT ${KALKULATOR_ICO}
    COMMAND ${KALKULATOR_ICOTOOL} -c -o ${KALKULATOR_ICO} ${ico_pngs} -r ${ico_large}
    DEPENDS ${ico_pngs} ${ico_large}
    COMMENT "Making kalkulator.ico" VERBATIM)
set_property(TARGET kalkulator_icons APPEND PROPERTY SOURCES ${KALKULATOR_ICO})
