cmake_minimum_required(VERSION 3.21)

# Fails unless PROGRAM carries what Windows shows in its file properties, read
# back from the .exe by windres: the product and file names, DESCRIPTION,
# and both versions as VERSION; and the manifest that runs it as the invoking
# user on Windows 10 and 11.
execute_process(COMMAND ${WINDRES} -i ${PROGRAM} -O rc
    OUTPUT_VARIABLE resources RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${WINDRES} cannot read the resources of ${PROGRAM}")
endif()
string(REPLACE "." ", " numbers ${VERSION})
# DESCRIPTION as windres writes a wide string: each letter beyond ASCII as
# \x and its UTF-16 code in four hex digits.
string(HEX "${DESCRIPTION}" hex)
string(LENGTH "${hex}" length)
set(wide "")
set(at 0)
while(at LESS length)
    string(SUBSTRING ${hex} ${at} 2 byte)
    math(EXPR value "0x${byte}")
    if(value LESS 128)
        string(ASCII ${value} letter)
        string(APPEND wide "${letter}")
        math(EXPR at "${at} + 2")
    else() # two bytes of UTF-8, as every Polish letter is
        string(SUBSTRING ${hex} ${at} 4 pair)
        math(EXPR code "((0x${byte} & 0x1f) << 6) | (0x${pair} & 0x3f)" OUTPUT_FORMAT HEXADECIMAL)
        string(REGEX REPLACE "^0x" "" code ${code})
        string(LENGTH "000${code}" digits)
        math(EXPR digits "${digits} - 4")
        string(SUBSTRING "000${code}" ${digits} 4 code)
        string(APPEND wide "\\x${code}")
        math(EXPR at "${at} + 4")
    endif()
endwhile()
set(expected
    "FILEVERSION ${numbers}, 0" "PRODUCTVERSION ${numbers}, 0"
    "VALUE \"ProductName\", \"kalkulator\"" "VALUE \"OriginalFilename\", \"kalkulator.exe\""
    "VALUE \"FileVersion\", \"${VERSION}\"" "VALUE \"ProductVersion\", \"${VERSION}\""
    # The name that Task Manager shows, its Polish letters as UTF-16.
    "VALUE \"FileDescription\", L\"${wide}\""
    "level=\"\"asInvoker\"\"" "supportedOS Id=\"\"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}\"\"")
foreach(line IN LISTS expected)
    string(FIND "${resources}" "${line}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "${PROGRAM} has no ${line} in its resources:\n${resources}")
    endif()
endforeach()
