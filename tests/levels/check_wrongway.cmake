# Replays one wrong-way script in the simulator and expects the level not
# won: a shortcut or doing nothing must never finish the job.
# The script's "# ticks N" line says how long to run (default 6000).
file(STRINGS ${SCRIPT} header REGEX "^# ticks [0-9]+")
set(ticks 6000)
if(header)
  string(REGEX REPLACE "^# ticks ([0-9]+).*" "\\1" ticks "${header}")
endif()
execute_process(COMMAND ${SIM} --level ${LEVEL} --ticks ${ticks} --script ${SCRIPT}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "simulator failed (${rc}):\n${out}${err}")
endif()
if(out MATCHES "endGame win=1")
  message(FATAL_ERROR "level ${LEVEL} won by the wrong way ${SCRIPT}:\n${out}")
endif()
