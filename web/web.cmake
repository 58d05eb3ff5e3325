# kalkulator for JavaScript (the web preset): the same program as kalkulator.js,
# one file with the WebAssembly inside, which runs as the console program
# under Node and inside the page, and the page itself: index.html with the
# xterm.js terminal widget, all of it working offline, from file:// too.

set(web ${PROJECT_SOURCE_DIR}/web)
set(xterm ${PROJECT_SOURCE_DIR}/node_modules/@xterm/xterm)
if(NOT EXISTS ${xterm}/lib/xterm.js)
    message(FATAL_ERROR "The page needs xterm.js from npm: run `npm ci` in ${PROJECT_SOURCE_DIR}")
endif()

set_target_properties(kalkulator PROPERTIES SUFFIX .js)
target_link_options(kalkulator PRIVATE
    # The program blocks in its reads; the page can only wait for a key
    # asynchronously. Asyncify unwinds the program at each read and resumes
    # it with the bytes, with no threads or cross-origin isolation.
    -sASYNCIFY "-sASYNCIFY_IMPORTS=['wasi_snapshot_preview1.fd_read']"
    # One file, as a page opened from file:// can load, and a factory the
    # page calls once per run.
    -sSINGLE_FILE=1 -sMODULARIZE=1 -sEXPORT_NAME=Kalkulator -sENVIRONMENT=web,node
    -sEXIT_RUNTIME=1 -sFILESYSTEM=0 -sALLOW_MEMORY_GROWTH=1
    --js-library=${web}/streams.js --pre-js=${web}/host.js
    --extern-post-js=${web}/run-node.js)
set_property(TARGET kalkulator APPEND PROPERTY LINK_DEPENDS
    ${web}/streams.js ${web}/host.js ${web}/run-node.js)

# The page in one folder of the build, as the zip holds it.
set(KALKULATOR_PAGE_DIR ${PROJECT_BINARY_DIR}/page)
set(page_files ${web}/index.html ${web}/terminal.js ${web}/page.css
    ${xterm}/lib/xterm.js ${xterm}/css/xterm.css)
set(page_copies)
foreach(file IN LISTS page_files)
    get_filename_component(name ${file} NAME)
    list(APPEND page_copies ${KALKULATOR_PAGE_DIR}/${name})
endforeach()
add_custom_command(OUTPUT ${page_copies} ${KALKULATOR_PAGE_DIR}/xterm-LICENSE.txt
        ${KALKULATOR_PAGE_DIR}/kalkulator.png ${KALKULATOR_PAGE_DIR}/kalkulator.js
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KALKULATOR_PAGE_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy ${page_files} ${KALKULATOR_PAGE_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy ${xterm}/LICENSE ${KALKULATOR_PAGE_DIR}/xterm-LICENSE.txt
    COMMAND ${CMAKE_COMMAND} -E copy ${KALKULATOR_ICON_DIR}/256x256.png
        ${KALKULATOR_PAGE_DIR}/kalkulator.png
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:kalkulator> ${KALKULATOR_PAGE_DIR}
    DEPENDS ${page_files} ${xterm}/LICENSE ${KALKULATOR_ICON_DIR}/256x256.png kalkulator
    COMMENT "Putting the page together" VERBATIM)
add_custom_target(kalkulator_page ALL DEPENDS ${page_copies} ${KALKULATOR_PAGE_DIR}/kalkulator.js)
add_dependencies(kalkulator_page kalkulator_icons)

install(DIRECTORY ${KALKULATOR_PAGE_DIR}/ DESTINATION .)
