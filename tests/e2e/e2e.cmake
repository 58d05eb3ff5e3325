# End-to-end: each run of a table in this folder (tabela.py) compares the whole
# output of each row, byte for byte. Sets KALKULATOR_E2E, the driver, and
# KALKULATOR_DIALOGUE, one dialogue of the program whose path it is given.
set(KALKULATOR_E2E ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/tabela.py)
# 0/0 is a negative not-a-number on x86 alone: elsewhere glibc prints "nan".
if(NOT CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86|x86_64|AMD64|amd64|i.86)$")
    list(APPEND KALKULATOR_E2E --nan nan)
endif()
file(GLOB e2e_tables CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.table)

# Every table's runs, as tests named e2e.TABLE[-RUN]SUFFIX, of the program
# started by the command that follows (an emulator, or none). Reads this
# file's e2e_tables and KALKULATOR_E2E.
function(kalkulator_e2e_tables suffix)
    foreach(table IN LISTS e2e_tables)
        get_filename_component(group ${table} NAME_WE)
        file(STRINGS ${table} runs REGEX "^#: ")
        list(LENGTH runs count)
        if(count EQUAL 0)
            set(runs "#: ")
        endif()
        foreach(run IN LISTS runs)
            string(REGEX REPLACE "^#: *" "" options "${run}")
            separate_arguments(options UNIX_COMMAND "${options}")
            set(name e2e.${group})
            if(count GREATER 1)
                list(GET options -1 last)
                string(APPEND name -${last})
            endif()
            add_test(NAME ${name}${suffix}
                COMMAND ${KALKULATOR_E2E} ${options} ${table} -- ${ARGN} $<TARGET_FILE:kalkulator>)
            set_tests_properties(${name}${suffix} PROPERTIES SKIP_RETURN_CODE 77)
        endforeach()
    endforeach()
endfunction()

kalkulator_e2e_tables("" ${CMAKE_CROSSCOMPILING_EMULATOR})
# Under Node, the same tables again with the input given one byte a read.
if(EMSCRIPTEN)
    kalkulator_e2e_tables(.po-bajcie ${CMAKE_CROSSCOMPILING_EMULATOR}
        ${CMAKE_CURRENT_LIST_DIR}/po-bajcie.js)
endif()
# The same tables on the other processors that the build is meant for.
foreach(cpu IN LISTS KALKULATOR_QEMU_OTHER_CPUS)
    kalkulator_e2e_tables(.${cpu} ${KALKULATOR_QEMU} -cpu ${cpu})
endforeach()

# Every example of the documents, shown as this build's program prints it;
# the program's texts and its number of calculations wherever quoted, and
# the reader's prefixes and units wherever listed.
set(src ${PROJECT_SOURCE_DIR})
file(GLOB quoting CONFIGURE_DEPENDS ${src}/fuzz/*.cpp ${src}/fuzz/corpus/*)
add_test(NAME e2e.dokumenty COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/dokumenty.py
    --summary ${KALKULATOR_SUMMARY_LOWER} --name ${KALKULATOR_DISPLAY_NAME}
    --reader ${src}/wejscie/liczba.cpp ${src}/web/index.html.in
    ${src}/README.md ${src}/packaging/kalkulator.1.in ${src}/packaging/kalkulator.pl.1.in
    ${src}/packaging/windows/CZYTAJ.txt.in ${src}/packaging/linux/metainfo.xml.in
    ${src}/packaging/packaging.cmake ${quoting}
    -- ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:kalkulator>)

set(KALKULATOR_DIALOGUE ${KALKULATOR_E2E} --case option-then-result
    ${CMAKE_CURRENT_LIST_DIR}/menu.table -- ${CMAKE_CROSSCOMPILING_EMULATOR})
# Arguments are accepted and change nothing.
add_test(NAME e2e.arguments-ignored
    COMMAND ${KALKULATOR_DIALOGUE} $<TARGET_FILE:kalkulator> 7 --help /?)
