# Serve mode drives level 0 for 600 ticks through step and post, records what
# it posted, and a scripted replay of the recording ends in the same state.
set(recording ${WORK}/serve_level00.txt)
set(commands ${WORK}/serve_level00_commands.txt)
file(WRITE ${commands} "post leverSet leverNr=1 setting=1
post accelcontrol setting=0.4
step 150
post steer setting=1
step 10
post leverSet leverNr=1 setting=0
pose truck
joint crane boom
grasped
step 258
post steer setting=0
post key Q down
step 40
post key Q up
step 142
post endGame win=1 level=0
post cranecontrol tag=rotate setting=1
list
joint crane nothing
pose nothing
step 0
dance
record ${recording}
quit
")
execute_process(COMMAND ${SIM} --level 0 --serve INPUT_FILE ${commands}
                OUTPUT_VARIABLE served ERROR_VARIABLE diagnostics RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "serve run failed (${rc}):\n${served}${diagnostics}")
endif()
if(served MATCHES "world created")
  message(FATAL_ERROR "the game's diagnostics mixed into the answers:\n${served}")
endif()

# One answer per command, in order; data lines come before its ok or err.
string(REPLACE ";" "," listSafe "${served}")  # a CMake list splits on semicolons
string(REGEX MATCHALL "(^|\n)(ok|err [^\n]*)" ends "${listSafe}")
list(LENGTH ends answers)
if(NOT answers EQUAL 24)
  message(FATAL_ERROR "expected 24 answers, got ${answers}:\n${served}")
endif()
foreach(expected "tick 150\nok\n" "tick 600\nok\n" "\npos [-0-9.]+ [-0-9.]+ [-0-9.]+ x [-0-9. ]+ y [-0-9. ]+ z [-0-9. ]+ vel [-0-9. ]+ avel [-0-9. ]+\nok\n"
                 "crane boom [-0-9.]+\nok\ngrasped -\nok\n" "\ntruck 0 [-0-9.]+ [-0-9.]+ [-0-9.]+\nok\n"
                 "err refused 'endGame win=1 level=0': " "err refused 'cranecontrol tag=rotate setting=1': "
                 "err no joint 'nothing' on 'crane'" "err no object 'nothing'" "err step takes"
                 "err unknown command 'dance'")
  if(NOT served MATCHES "${expected}")
    message(FATAL_ERROR "answer '${expected}' missing:\n${served}")
  endif()
endforeach()
string(REGEX MATCH "digest ([0-9a-f]+)" m "${served}")
set(servedDigest ${CMAKE_MATCH_1})

file(READ ${recording} recorded)
if(NOT recorded MATCHES "# ticks 600\n0 leverSet leverNr=1 setting=1\n0 accelcontrol setting=0.4\n150 steer setting=1\n"
   OR NOT recorded MATCHES "418 key Q down\n458 key Q up\n" OR recorded MATCHES "endGame|cranecontrol")
  message(FATAL_ERROR "recording does not hold the posted lines at their ticks:\n${recorded}")
endif()
execute_process(COMMAND ${SIM} --level 0 --ticks 600 --script ${recording}
                OUTPUT_VARIABLE replayed ERROR_VARIABLE err RESULT_VARIABLE rc)
string(REGEX MATCH "digest ([0-9a-f]+)" m "${replayed}")
if(NOT rc EQUAL 0 OR NOT CMAKE_MATCH_1 STREQUAL servedDigest)
  message(FATAL_ERROR "replay of the recording ends elsewhere (served ${servedDigest}):\n${replayed}${err}")
endif()
