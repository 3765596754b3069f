# Replays one solution script in the simulator and expects the level won;
# with -DEXPECT=nowin a wrong way of playing, which must not win.
# The script's "# ticks N" line says how long to run (default 36000).
# SIM_ARGS may add developer options such as --trace; a solution proves what
# a player can do, so the flag that lets any message through is refused.
if(SIM_ARGS MATCHES "--any-message")
  message(FATAL_ERROR "a solution check refuses --any-message: solutions hold player input only")
endif()
file(STRINGS ${SCRIPT} header REGEX "^# ticks [0-9]+")
set(ticks 36000)
if(header)
  string(REGEX REPLACE "^# ticks ([0-9]+).*" "\\1" ticks "${header}")
endif()
execute_process(COMMAND ${SIM} --level ${LEVEL} --ticks ${ticks} ${SIM_ARGS} --script ${SCRIPT}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "simulator failed (${rc}):\n${out}${err}")
endif()
if(EXPECT STREQUAL "nowin")
  if(out MATCHES "win=1")
    message(FATAL_ERROR "level ${LEVEL} won by the wrong way ${SCRIPT}:\n${out}")
  endif()
  return()
endif()
if(NOT out MATCHES "endGame win=1 level=${LEVEL} ")
  message(FATAL_ERROR "level ${LEVEL} not won by ${SCRIPT}:\n${out}")
endif()
if(out MATCHES "endGame win=0")
  message(FATAL_ERROR "level ${LEVEL} lost on the way:\n${out}")
endif()
