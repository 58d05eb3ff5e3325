# kalkulator_e2e_tests(DRIVER command... RUN emulator... [QEMU qemu OTHER_CPUS
# cpu...] SUMMARY text NAME name): every table of this folder run by DRIVER
# (tabela.py) on the program started by RUN, which compares the whole output
# of each row, byte for byte, as tests named e2e.TABLE[-RUN]; under Node
# again with the input one byte a read, and under QEMU again on each of the
# OTHER_CPUS. And every example of the documents, as this build's program
# prints it (e2e.dokumenty), their quotations of its texts, their number of
# calculations, SUMMARY and NAME, and their lists of prefixes and units.
function(kalkulator_e2e_tests)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "SUMMARY;NAME;QEMU" "DRIVER;RUN;OTHER_CPUS")
    set(here ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
    file(GLOB tables CONFIGURE_DEPENDS ${here}/*.table)
    # How the program is started for each run, by the suffix of its name.
    set(suffixes "")
    set(run_ ${arg_RUN})
    if(EMSCRIPTEN) # the input given one byte a read
        list(APPEND suffixes .po-bajcie)
        set(run_.po-bajcie ${arg_RUN} ${here}/po-bajcie.js)
    endif()
    foreach(cpu IN LISTS arg_OTHER_CPUS)
        list(APPEND suffixes .${cpu})
        set(run_.${cpu} ${arg_QEMU} -cpu ${cpu})
    endforeach()
    foreach(table IN LISTS tables)
        get_filename_component(group ${table} NAME_WE)
        file(STRINGS ${table} options_lines REGEX "^#: ")
        list(LENGTH options_lines count)
        if(count EQUAL 0)
            set(options_lines "#: ")
        endif()
        foreach(options IN LISTS options_lines)
            string(REGEX REPLACE "^#: *" "" options "${options}")
            separate_arguments(options UNIX_COMMAND "${options}")
            set(name e2e.${group})
            if(count GREATER 1)
                list(GET options -1 last)
                string(APPEND name -${last})
            endif()
            foreach(suffix "" ${suffixes})
                add_test(NAME ${name}${suffix} COMMAND ${arg_DRIVER} ${options} ${table} --
                    ${run_${suffix}} $<TARGET_FILE:kalkulator>)
                set_tests_properties(${name}${suffix} PROPERTIES SKIP_RETURN_CODE 77)
            endforeach()
        endforeach()
    endforeach()

    set(src ${PROJECT_SOURCE_DIR})
    file(GLOB quoting CONFIGURE_DEPENDS ${src}/fuzz/*.cpp ${src}/fuzz/corpus/*)
    add_test(NAME e2e.dokumenty COMMAND ${Python3_EXECUTABLE} ${here}/dokumenty.py
        --summary ${arg_SUMMARY} --name ${arg_NAME}
        --reader ${src}/wejscie/pisownie.h ${src}/web/index.html.in
        ${src}/README.md ${src}/packaging/kalkulator.1.in ${src}/packaging/kalkulator.pl.1.in
        ${src}/packaging/windows/CZYTAJ.txt.in ${src}/packaging/linux/metainfo.xml.in
        ${src}/packaging/packaging.cmake ${quoting}
        -- ${arg_RUN} $<TARGET_FILE:kalkulator>)
endfunction()
