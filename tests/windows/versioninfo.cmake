cmake_minimum_required(VERSION 3.21)

# Fails unless PROGRAM carries what Windows shows in its file properties, read
# back from the .exe by windres: the product and file names, a description,
# and both versions as VERSION; and the manifest that runs it as the invoking
# user on Windows 10 and 11.
execute_process(COMMAND ${WINDRES} -i ${PROGRAM} -O rc
    OUTPUT_VARIABLE resources RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${WINDRES} cannot read the resources of ${PROGRAM}")
endif()
string(REPLACE "." ", " numbers ${VERSION})
set(expected
    "FILEVERSION ${numbers}, 0" "PRODUCTVERSION ${numbers}, 0"
    "VALUE \"ProductName\", \"kalkulator\"" "VALUE \"OriginalFilename\", \"kalkulator.exe\""
    "VALUE \"FileVersion\", \"${VERSION}\"" "VALUE \"ProductVersion\", \"${VERSION}\""
    # The name that Task Manager shows, its ś as UTF-16.
    "VALUE \"FileDescription\", L\"Kalkulator wielko\\x015bci elektrycznych\""
    "level=\"\"asInvoker\"\"" "supportedOS Id=\"\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"\"")
foreach(line IN LISTS expected)
    string(FIND "${resources}" "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${PROGRAM} has no ${line} in its resources:\n${resources}")
    endif()
endforeach()
