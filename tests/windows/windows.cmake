# kalkulator_windows_tests(NAME name PUBLISHER publisher [ICO file] [MSI file]
# [GUIDE file...] DIALOGUE command...): what the .exe carries (its NAME and,
# where drawn, the icon of ICO), a dialogue typed into a console, the GUIDE
# and the texts beside it as Notepad opens them, and the installer MSI as
# administrators use it, from PUBLISHER, the installed program running
# DIALOGUE; and every test of the folder, once all are there, under one Wine
# server, in a prefix in the build folder, away from the developer's own
# ~/.wine.
function(kalkulator_windows_tests)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME;PUBLISHER;ICO;MSI" "GUIDE;DIALOGUE")
    set(here ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
    add_test(NAME windows.exe COMMAND ${Python3_EXECUTABLE} ${here}/exe.py ${CMAKE_OBJDUMP}
        ${CMAKE_RC_COMPILER} $<TARGET_FILE:kalkulator> ${PROJECT_VERSION} "${arg_NAME}" ${arg_ICO})
    if(arg_GUIDE)
        add_test(NAME windows.guide COMMAND sh ${here}/guide.sh ${arg_GUIDE})
    endif()
    if(NOT CMAKE_CROSSCOMPILING_EMULATOR MATCHES "wine")
        return()
    endif()
    cmake_language(DEFER CALL kalkulator_wine_fixture)
    # Typed into a console at the code pages of Polish Windows.
    add_test(NAME windows.console COMMAND ${Python3_EXECUTABLE} ${here}/konsola.py
        ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:kalkulator> 852 1250)

    # The installer, each scenario in a Wine prefix of its own, with a version
    # just before this one and the next one beside it.
    if(arg_MSI)
        set(bin ${PROJECT_BINARY_DIR})
        math(EXPR next "${PROJECT_VERSION_PATCH} + 1")
        set(later ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${next})
        if(PROJECT_VERSION_PATCH GREATER 0)
            math(EXPR previous "${PROJECT_VERSION_PATCH} - 1")
            set(earlier ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${previous})
        elseif(PROJECT_VERSION_MINOR GREATER 0)
            math(EXPR previous "${PROJECT_VERSION_MINOR} - 1")
            set(earlier ${PROJECT_VERSION_MAJOR}.${previous}.0)
        else()
            math(EXPR previous "${PROJECT_VERSION_MAJOR} - 1")
            set(earlier ${previous}.99.0)
        endif()
        # And another build of this version: the program with a byte more.
        set(rebuild ${PROJECT_VERSION})
        set(program_rebuild -D CPACK_KALKULATOR_PROGRAM=${bin}/msi-rebuild/kalkulator.exe)
        file(MAKE_DIRECTORY ${bin}/msi-rebuild)
        add_test(NAME msi.rebuild-program COMMAND sh -c "{ cat \"$0\"; echo; } >\"$1\""
            $<TARGET_FILE:kalkulator> ${bin}/msi-rebuild/kalkulator.exe)
        set_tests_properties(msi.rebuild-program PROPERTIES FIXTURES_SETUP msi-rebuild)
        foreach(other earlier later rebuild)
            set(msi_${other} ${bin}/msi-${other}/${PROJECT_NAME}-${${other}}-win64.msi)
            add_test(NAME msi.make-${other} COMMAND ${CMAKE_CPACK_COMMAND}
                --config ${bin}/CPackConfig.cmake -G External -B ${bin}/msi-${other}
                -D CPACK_PACKAGE_VERSION=${${other}} ${program_${other}}
                -D CPACK_PACKAGE_FILE_NAME=${PROJECT_NAME}-${${other}}-win64)
            set_tests_properties(msi.make-${other} PROPERTIES FIXTURES_SETUP msi-versions)
        endforeach()
        set_tests_properties(msi.make-rebuild PROPERTIES FIXTURES_REQUIRED msi-rebuild)
        set(msi sh ${here}/msi.sh)
        set(this ${bin}/${arg_MSI})
        add_test(NAME msi.install COMMAND ${msi} install ${this} -- ${arg_DIALOGUE})
        add_test(NAME msi.upgrade COMMAND ${msi} upgrade ${this} ${msi_later} --)
        add_test(NAME msi.downgrade COMMAND ${msi} downgrade ${this} ${msi_earlier} --)
        add_test(NAME msi.rebuild COMMAND ${msi} rebuild ${this} ${msi_rebuild} --)
        add_test(NAME msi.uninstall COMMAND ${msi} uninstall ${this} ${msi_rebuild} --)
        set(scenarios msi.install msi.upgrade msi.downgrade msi.rebuild msi.uninstall)
        set_tests_properties(${scenarios} PROPERTIES FIXTURES_REQUIRED "packages;msi-versions")
        set_property(TEST ${scenarios} APPEND PROPERTY ENVIRONMENT
            "KALKULATOR_NAME=${arg_NAME}" "KALKULATOR_PUBLISHER=${arg_PUBLISHER}")
    endif()
endfunction()

# Every test of the folder under one Wine server: called at its end.
function(kalkulator_wine_fixture)
    set(here ${CMAKE_CURRENT_FUNCTION_LIST_DIR})
    find_program(KALKULATOR_WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine)
    set(wine_server sh ${here}/wine-server.sh)
    add_test(NAME wine.start
        COMMAND ${wine_server} start ${CMAKE_CROSSCOMPILING_EMULATOR} ${KALKULATOR_WINESERVER})
    add_test(NAME wine.stop
        COMMAND ${wine_server} stop ${CMAKE_CROSSCOMPILING_EMULATOR} ${KALKULATOR_WINESERVER})
    set_tests_properties(wine.start PROPERTIES FIXTURES_SETUP wine)
    set_tests_properties(wine.stop PROPERTIES FIXTURES_CLEANUP wine)
    get_property(all_tests DIRECTORY PROPERTY TESTS)
    list(REMOVE_ITEM all_tests wine.start wine.stop)
    set_property(TEST ${all_tests} APPEND PROPERTY FIXTURES_REQUIRED wine)
    set_property(TEST wine.start wine.stop ${all_tests} APPEND PROPERTY ENVIRONMENT
        WINEPREFIX=${PROJECT_BINARY_DIR}/wine WINEDLLOVERRIDES=winemenubuilder.exe=d)
endfunction()
