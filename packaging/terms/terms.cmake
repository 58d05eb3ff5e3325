# The terms that kalkulator and its files are offered under, each said once:
# COPYING at the top of the tree (the program's own, until a licence is
# chosen) and metainfo.txt.in beside this file (the AppStream metadata's).

# Sets `variable` to the terms in `file`, configured with the variables in
# force; a missing or empty file stops the configure rather than ship a
# package that says no terms.
function(kalkulator_terms variable file)
    if(NOT EXISTS ${file})
        message(FATAL_ERROR "The terms file ${file} is missing.")
    endif()
    file(READ ${file} text)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
    string(CONFIGURE "${text}" text @ONLY)
    string(STRIP "${text}" text)
    if(text STREQUAL "")
        message(FATAL_ERROR "The terms file ${file} is empty.")
    endif()
    set(${variable} "${text}" PARENT_SCOPE)
endfunction()
