# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the behaviour signature's games and compares the number with the one committed beside this
# file. A change of any rule, text, place, pause, sound or order of steps changes it; a commit that
# means to change the game's behaviour updates Signature.expected and says why.
# Called by CTest with -DSim=<tarnwick-sim> -DExpected=<Signature.expected>.
execute_process(COMMAND ${Sim} --signature RESULT_VARIABLE Status OUTPUT_VARIABLE Got ERROR_VARIABLE Details)
if(NOT Status EQUAL 0)
  message(FATAL_ERROR "tarnwick-sim --signature failed (${Status}): ${Details}")
endif()
file(READ ${Expected} Want)
string(STRIP "${Got}" Got)
string(STRIP "${Want}" Want)
if(NOT Got STREQUAL Want)
  message(FATAL_ERROR "the game's behaviour signature is ${Got}, not ${Want} (${Details})")
endif()
message(STATUS "signature ${Got}: ${Details}")
