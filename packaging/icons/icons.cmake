# The program's icon in the sizes that the Linux desktops (hicolor PNGs and
# the scalable drawing) and Windows (one multi-size .ico) look for, all drawn
# from kalkulator.svg at build time by rsvg-convert and icotool.
#
# Sets KALKULATOR_ICONS (TRUE once the icons will be made), KALKULATOR_ICON_DIR
# (build folder of the PNGs, named NxN.png), KALKULATOR_ICO (the .ico) and the
# target kalkulator_icons.

set(KALKULATOR_ICON_SVG ${CMAKE_CURRENT_LIST_DIR}/kalkulator.svg)
set(KALKULATOR_ICON_SIZES 16 22 24 32 48 64 128 256)
set(KALKULATOR_ICON_DIR ${PROJECT_BINARY_DIR}/icons)
set(KALKULATOR_ICO ${KALKULATOR_ICON_DIR}/kalkulator.ico)
# Windows takes 16 to 64 as bitmaps; 256 goes in as PNG, as Windows Vista and
# later read it.
set(ico_sizes 16 24 32 48 64)

find_program(KALKULATOR_RSVG_CONVERT rsvg-convert)
find_program(KALKULATOR_ICOTOOL icotool)
if(KALKULATOR_RSVG_CONVERT AND KALKULATOR_ICOTOOL)
    set(KALKULATOR_ICONS TRUE)
elseif(WIN32)
    message(FATAL_ERROR "rsvg-convert and icotool draw the icon of kalkulator.exe: "
        "apt-get install librsvg2-bin icoutils")
else()
    set(KALKULATOR_ICONS FALSE)
    message(WARNING "rsvg-convert or icotool is missing (apt-get install librsvg2-bin "
        "icoutils): the program builds, but is installed without its icons")
    return()
endif()

set(pngs)
foreach(size IN LISTS KALKULATOR_ICON_SIZES)
    set(png ${KALKULATOR_ICON_DIR}/${size}x${size}.png)
    add_custom_command(OUTPUT ${png}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${KALKULATOR_ICON_DIR}
        COMMAND ${KALKULATOR_RSVG_CONVERT} -w ${size} -h ${size} -o ${png} ${KALKULATOR_ICON_SVG}
        DEPENDS ${KALKULATOR_ICON_SVG}
        COMMENT "Drawing the ${size}x${size} icon" VERBATIM)
    list(APPEND pngs ${png})
endforeach()

list(TRANSFORM ico_sizes REPLACE "(.+)" "${KALKULATOR_ICON_DIR}/\\1x\\1.png" OUTPUT_VARIABLE ico_pngs)
set(ico_large ${KALKULATOR_ICON_DIR}/256x256.png)
add_custom_command(OUTPUT ${KALKULATOR_ICO}
    COMMAND ${KALKULATOR_ICOTOOL} -c -o ${KALKULATOR_ICO} ${ico_pngs} -r ${ico_large}
    DEPENDS ${ico_pngs} ${ico_large}
    COMMENT "Making kalkulator.ico" VERBATIM)

add_custom_target(kalkulator_icons ALL DEPENDS ${pngs} ${KALKULATOR_ICO})
