# The web preset: the same program as kalkulator.js, one file with the
# WebAssembly inside, for Node and the page; and the page, with its manifest,
# icons and a service worker that keeps it offline once hosted.

set(web ${PROJECT_SOURCE_DIR}/web)

set_target_properties(kalkulator PROPERTIES SUFFIX .js)
target_link_options(kalkulator PRIVATE
    # The smallest code, for a phone to download and compile.
    -Oz
    # The program blocks in its reads; the page can only wait for a key
    # asynchronously. Asyncify unwinds the program at each read and resumes
    # it with the bytes, with no threads or cross-origin isolation.
    -sASYNCIFY "-sASYNCIFY_IMPORTS=['wasi_snapshot_preview1.fd_read']"
    # Through virtual calls nearly all the standard library may be on the
    # stack at a read; these parts never read, and left alone the program is
    # almost half smaller. Names are no proof (the optimiser merges equal
    # functions, istream's with ostream's): a wrong one traps at a read,
    # which the tables given one byte a read (tests/e2e/po-bajcie.js) find.
    "-sASYNCIFY_REMOVE=['std::__2::time_get*','std::__2::money_get*','std::__2::time_put*',\
'std::__2::money_put*','std::__2::codecvt*','std::__2::messages*','std::__2::collate*',\
'std::__2::numpunct*','std::__2::ctype*','std::__2::locale*','std::__2::ios_base*',\
'std::__2::num_put*','std::__2::ostreambuf_iterator*','*printf*','fflush','__fwritex',\
'*<wchar_t*>*','*wchar_t*','std::__2::basic_ostream*::flush*','*__put_character_sequence*',\
'*std::__2::endl*','std::__2::__stdoutbuf*','pop_arg',\
'std::__2::basic_string*','std::__2::unique_ptr*','std::__2::allocator*','operator new*',\
'std::__2::__shared_count*','*__call_once*','__cxxabiv1::*','dynCall_*','legalstub*',\
'__wasm_call_ctors','__funcs_on_exit','close_file','__stdio_exit','*sscanf','__floatscan',\
'scanexp','strtox','strtof','*__num_get_float*','__shgetc','ungetc','__toread',\
'*__scan_keyword*','*::sputn*','*::xsputn*','*::pubsync*','*::xsgetn*','*::in_avail*',\
'*::pbackfail*','*::imbue*','*::sync*']"
    # One file, as file:// can load, and a factory called once per run.
    -sSINGLE_FILE=1 -sMODULARIZE=1 -sEXPORT_NAME=Kalkulator -sENVIRONMENT=web,node
    -sEXIT_RUNTIME=1 -sFILESYSTEM=0 -sALLOW_MEMORY_GROWTH=1 -sMALLOC=emmalloc
    --js-library=${web}/streams.js --pre-js=${web}/host.js
    --extern-post-js=${web}/start.js)
set_property(TARGET kalkulator kalkulator_core APPEND PROPERTY COMPILE_OPTIONS -Oz)
set_property(TARGET kalkulator APPEND PROPERTY LINK_DEPENDS
    ${web}/streams.js ${web}/host.js ${web}/start.js)

# The page in one folder of the build, as the zip holds it.
set(KALKULATOR_PAGE_DIR ${PROJECT_BINARY_DIR}/page)
# The page's and the manifest's names and colours are the program's (the
# title bar's is the icon's); the page is put together from its template
# and styles once the program is built (zloz.js).
set(KALKULATOR_THEME_COLOR "#3b4b5c")
set(KALKULATOR_BACKGROUND_COLOR "#2b3440")
foreach(file index.html.in manifest.webmanifest.in page.css)
    string(REGEX REPLACE "\\.in$" "" configured ${file})
    configure_file(${web}/${file} ${PROJECT_BINARY_DIR}/web/${configured} @ONLY)
endforeach()
set(manifest ${PROJECT_BINARY_DIR}/web/manifest.webmanifest)
set(page_files manifest.webmanifest index.html kalkulator.js)

# Icons for the tab, the home screen and the installed app; the maskable one
# has the drawing in the middle of a full square, as a phone's mask needs.
if(KALKULATOR_ICONS)
    file(READ ${KALKULATOR_ICON_SVG} drawing)
    string(REGEX REPLACE "^.*<svg[^>]*>(.*)</svg>.*$" "\\1" drawing "${drawing}")
    file(WRITE ${PROJECT_BINARY_DIR}/icons/maskowalna.svg
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
        "viewBox=\"0 0 256 256\"><rect width=\"256\" height=\"256\" fill=\"${KALKULATOR_BACKGROUND_COLOR}\"/>"
        "<g transform=\"translate(51.2 51.2) scale(0.6)\">${drawing}</g></svg>\n")
    kalkulator_draw_icon(${KALKULATOR_ICON_SVG} 192 ${KALKULATOR_PAGE_DIR}/kalkulator-192.png)
    kalkulator_draw_icon(${KALKULATOR_ICON_SVG} 512 ${KALKULATOR_PAGE_DIR}/kalkulator-512.png)
    kalkulator_draw_icon(${PROJECT_BINARY_DIR}/icons/maskowalna.svg 512
        ${KALKULATOR_PAGE_DIR}/kalkulator-maskowalna-512.png)
    list(APPEND page_files kalkulator-192.png kalkulator-512.png kalkulator-maskowalna-512.png)
endif()

set(service_worker ${KALKULATOR_PAGE_DIR}/sw.js)
add_custom_command(OUTPUT ${KALKULATOR_PAGE_DIR}/manifest.webmanifest ${KALKULATOR_PAGE_DIR}/index.html
        ${KALKULATOR_PAGE_DIR}/kalkulator.js ${service_worker}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KALKULATOR_PAGE_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy ${manifest} ${KALKULATOR_PAGE_DIR}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:kalkulator> ${KALKULATOR_PAGE_DIR}
    COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} ${web}/zloz.js ${PROJECT_BINARY_DIR}/web/index.html
        ${PROJECT_BINARY_DIR}/web/page.css ${web}/wczesne.js ${web}/ekran.js ${KALKULATOR_ICON_SVG}
        $<TARGET_FILE:kalkulator> ${KALKULATOR_PAGE_DIR}/index.html
    COMMAND ${CMAKE_COMMAND} -DTEMPLATE=${web}/sw.js.in -DOUTPUT=${service_worker}
        -DDIR=${KALKULATOR_PAGE_DIR} "-DFILES=${page_files}" -DVERSION=${PROJECT_VERSION}
        -P ${web}/service-worker.cmake
    DEPENDS ${manifest} ${PROJECT_BINARY_DIR}/web/index.html ${PROJECT_BINARY_DIR}/web/page.css
        ${web}/wczesne.js ${web}/ekran.js ${web}/zloz.js ${web}/sw.js.in ${web}/service-worker.cmake
        kalkulator ${KALKULATOR_ICON_SVG}
    COMMENT "Putting the page together" VERBATIM)
add_custom_target(kalkulator_page ALL DEPENDS ${service_worker})
add_dependencies(kalkulator_page kalkulator_icons)

install(DIRECTORY ${KALKULATOR_PAGE_DIR}/ DESTINATION .)
