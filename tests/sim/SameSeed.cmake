# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the simulator twice with one seed and once with another, and checks that the first two hand
# histories are byte for byte the same, that the third differs, and that the history reads back
# sound. Called by CTest with -DSim=<tarnwick-sim> -DWork=<scratch folder>.
file(REMOVE_RECURSE ${Work})
file(MAKE_DIRECTORY ${Work})

function(Simulate Seed Log)
  execute_process(COMMAND ${Sim} --games 40 --seed ${Seed} --target 200 --check --log ${Log}
                  RESULT_VARIABLE Status OUTPUT_QUIET ERROR_VARIABLE Errors)
  if(NOT Status EQUAL 0)
    message(FATAL_ERROR "tarnwick-sim --seed ${Seed} failed (${Status}): ${Errors}")
  endif()
endfunction()

Simulate(7 ${Work}/first.jsonl)
Simulate(7 ${Work}/second.jsonl)
Simulate(8 ${Work}/other.jsonl)

execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${Work}/first.jsonl ${Work}/second.jsonl
                RESULT_VARIABLE Differs)
if(NOT Differs EQUAL 0)
  message(FATAL_ERROR "the same seed gave two different hand histories")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${Work}/first.jsonl ${Work}/other.jsonl
                RESULT_VARIABLE Differs)
if(Differs EQUAL 0)
  message(FATAL_ERROR "two seeds gave the same hand history")
endif()

execute_process(COMMAND ${Sim} --verify-log ${Work}/first.jsonl
                RESULT_VARIABLE Status OUTPUT_VARIABLE Report ERROR_VARIABLE Errors)
if(NOT Status EQUAL 0)
  message(FATAL_ERROR "the hand history does not read back: ${Errors}")
endif()
message(STATUS "${Report}")
file(REMOVE_RECURSE ${Work})
