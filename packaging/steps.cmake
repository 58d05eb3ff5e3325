# kalkulator_run(<execute_process arguments>): runs a packaging step, every
# command of a pipeline, and stops packaging with the command line when any
# of them fails.
function(kalkulator_run)
    execute_process(${ARGN} RESULTS_VARIABLE results)
    foreach(result IN LISTS results)
        if(NOT result EQUAL 0)
            list(JOIN ARGN " " command)
            message(FATAL_ERROR "packaging step failed (${result}): ${command}")
        endif()
    endforeach()
endfunction()

# kalkulator_tar(ARCHIVE DIR TAR_ARGUMENT...): the .tar.gz or .tar.xz of
# what the arguments name in DIR, the same bytes on every machine: in name
# order, owned by root, readable by all, at SOURCE_DATE_EPOCH, no name or
# time in the compression.
function(kalkulator_tar archive dir)
    set(compress gzip -9 -n)
    if(archive MATCHES "\\.xz$")
        set(compress xz -9 -T1)
    endif()
    kalkulator_run(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C tar --sort=name --format=gnu
        --owner=0 --group=0 --numeric-owner --mtime=@$ENV{SOURCE_DATE_EPOCH} --mode=a+r,u+w,go-w
        -C ${dir} ${ARGN} -cf - COMMAND ${compress} OUTPUT_FILE ${archive})
endfunction()

# kalkulator_git(VARIABLE ARGUMENT...): what git prints for ARGUMENTs in the
# source tree, where the tree is a checkout of its own; else VARIABLE is
# unset. A source release unpacked inside another repository (as packaging
# repositories hold it) is no checkout.
function(kalkulator_git variable)
    unset(${variable} PARENT_SCOPE)
    set(source ${CPACK_KALKULATOR_SOURCE_DIR})
    execute_process(COMMAND git -C ${source} rev-parse --show-toplevel
        OUTPUT_VARIABLE top OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE result ERROR_QUIET)
    if(NOT result EQUAL 0)
        return()
    endif()
    file(REAL_PATH ${top} top)
    file(REAL_PATH ${source} source)
    if(NOT top STREQUAL source)
        return()
    endif()
    execute_process(COMMAND git -C ${source} -c core.quotePath=false ${ARGN}
        OUTPUT_VARIABLE output RESULT_VARIABLE result ERROR_QUIET)
    if(result EQUAL 0)
        set(${variable} "${output}" PARENT_SCOPE)
    endif()
endfunction()
