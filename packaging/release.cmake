# The release history, packaging/changelog, read once for every build: its
# newest entry must be PROJECT_VERSION's, and what else names a release is
# made from it.
#   KALKULATOR_RELEASE_DATE   the newest entry's day, 2026-12-09 (manual pages)
#   KALKULATOR_RELEASE_EPOCH  and its time in seconds since 1970, which every
#                             time in the packages is
#   KALKULATOR_COPYRIGHT_YEARS  2026, or 2026-2028 from the first release on
#   KALKULATOR_RELEASES_XML   every release as AppStream's <release> elements
# and the same history as RPM's changelog, KALKULATOR_RPM_CHANGELOG, also in
# rpm-changelog in the build.

# Sets `variable` to the seconds from 1970 to a time in UTC (the days by
# the proleptic Gregorian calendar, counted from March as leap days are).
function(kalkulator_epoch variable year month day hour minute second)
    foreach(number month day hour minute second) # no leading zero: not octal
        string(REGEX REPLACE "^0(.)" "\\1" ${number} ${${number}})
    endforeach()
    if(month LESS_EQUAL 2)
        math(EXPR year "${year} - 1")
        math(EXPR month "${month} + 9")
    else()
        math(EXPR month "${month} - 3")
    endif()
    math(EXPR days "${year} * 365 + ${year} / 4 - ${year} / 100 + ${year} / 400 \
        + (153 * ${month} + 2) / 5 + ${day} - 1 - 719468")
    math(EXPR seconds "((${days} * 24 + ${hour}) * 60 + ${minute}) * 60 + ${second}")
    set(${variable} ${seconds} PARENT_SCOPE)
endfunction()

set(KALKULATOR_CHANGELOG ${PROJECT_SOURCE_DIR}/packaging/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KALKULATOR_CHANGELOG})
# Its lines as a list: a semicolon in the text is kept aside meanwhile.
file(READ ${KALKULATOR_CHANGELOG} changelog)
string(REPLACE ";" "@SEMICOLON@" changelog "${changelog}")
string(REPLACE "\n" ";" changelog_lines "${changelog}")

set(months - Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
set(version "")
set(releases "")
set(rpm_changelog "")
set(items "")
set(years "")
foreach(line IN LISTS changelog_lines)
    if(line MATCHES "^${PROJECT_NAME} \\(([^)]+)\\) ")
        set(version ${CMAKE_MATCH_1})
        set(items "")
    elseif(line MATCHES "^  \\* (.*)$")
        list(APPEND items "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^    (.*)$" AND items)
        list(POP_BACK items item)
        list(APPEND items "${item} ${CMAKE_MATCH_1}")
    elseif(line MATCHES "^ -- .*  ([A-Z][a-z][a-z]), ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ([0-9][0-9]):([0-9][0-9]):([0-9][0-9]) \\+0000$")
        set(weekday ${CMAKE_MATCH_1})
        set(day ${CMAKE_MATCH_2})
        set(month_name ${CMAKE_MATCH_3})
        set(year ${CMAKE_MATCH_4})
        set(clock ${CMAKE_MATCH_5} ${CMAKE_MATCH_6} ${CMAKE_MATCH_7})
        list(FIND months ${month_name} month)
        string(REGEX REPLACE "^.$" "0\\0" month ${month})
        set(date ${year}-${month}-${day})
        if(NOT releases)
            # The newest entry, which comes first.
            if(NOT version STREQUAL PROJECT_VERSION)
                message(FATAL_ERROR "packaging/changelog starts with version ${version}, not "
                    "${PROJECT_VERSION}: add an entry for ${PROJECT_VERSION} at its top")
            endif()
            set(KALKULATOR_RELEASE_DATE ${date})
            kalkulator_epoch(KALKULATOR_RELEASE_EPOCH ${year} ${month} ${day} ${clock})
        endif()
        string(APPEND rpm_changelog
            "* ${weekday} ${month_name} ${day} ${year} ${KALKULATOR_MAINTAINER} - ${version}-1\n")
        set(text "")
        foreach(item IN LISTS items)
            string(APPEND rpm_changelog "- ${item}\n")
            string(REPLACE "&" "&amp;" item "${item}")
            string(REPLACE "<" "&lt;" item "${item}")
            string(REPLACE ">" "&gt;" item "${item}")
            string(APPEND text "          <li>${item}</li>\n")
        endforeach()
        string(APPEND releases "    <release version=\"${version}\" date=\"${date}\">
      <description>
        <ul>
${text}        </ul>
      </description>
    </release>
")
        string(APPEND rpm_changelog "\n")
        list(APPEND years ${year})
    endif()
endforeach()
if(NOT releases)
    message(FATAL_ERROR "packaging/changelog has no entry in Debian's form")
endif()
string(REPLACE "@SEMICOLON@" ";" rpm_changelog "${rpm_changelog}")
set(KALKULATOR_RPM_CHANGELOG "${rpm_changelog}")
file(WRITE ${PROJECT_BINARY_DIR}/rpm-changelog "${rpm_changelog}")
string(REGEX REPLACE "\n$" "" releases "${releases}")
string(REPLACE "@SEMICOLON@" ";" KALKULATOR_RELEASES_XML "${releases}")
list(GET years -1 first)
list(GET years 0 last)
set(KALKULATOR_COPYRIGHT_YEARS ${first})
if(NOT first STREQUAL last)
    set(KALKULATOR_COPYRIGHT_YEARS ${first}-${last})
endif()
