cmake_minimum_required(VERSION 3.21)

# Fails unless PROGRAM imports Windows system DLLs only, so that the .exe runs
# on its own: no libstdc++-6.dll, libgcc_s_seh-1.dll or libwinpthread-1.dll.
execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM}
    OUTPUT_VARIABLE headers RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} -p ${PROGRAM} failed")
endif()
string(REGEX MATCHALL "DLL Name: [^\n]+" imports "${headers}")
if(NOT imports)
    message(FATAL_ERROR "no imports found in ${PROGRAM}")
endif()
set(system_dlls kernel32.dll msvcrt.dll ucrtbase.dll user32.dll advapi32.dll)
foreach(import IN LISTS imports)
    string(REPLACE "DLL Name: " "" dll "${import}")
    string(TOLOWER "${dll}" dll)
    if(NOT dll IN_LIST system_dlls AND NOT dll MATCHES "^api-ms-win-")
        message(FATAL_ERROR "${PROGRAM} imports ${dll}, which is not a Windows system DLL")
    endif()
    message(STATUS "imports ${dll}")
endforeach()
