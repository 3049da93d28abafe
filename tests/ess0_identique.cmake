# Runs the generator of ess0.nst (GEN) into OUT and compares the result with
# the committed file REF.
file(REMOVE "${OUT}")
execute_process(COMMAND "${GEN}" "${OUT}" RESULT_VARIABLE code OUTPUT_QUIET)
if(NOT code EQUAL 0)
  message(FATAL_ERROR "${GEN} failed (${code})")
endif()
execute_process(COMMAND "${CMAKE_COMMAND}" -E compare_files "${OUT}" "${REF}" RESULT_VARIABLE different)
if(NOT different EQUAL 0)
  message(FATAL_ERROR "${OUT} differs from ${REF}: the generator no longer writes the committed file "
                      "(after a deliberate change, copy it over ${REF})")
endif()
