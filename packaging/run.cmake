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
