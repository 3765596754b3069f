# Runs quorvel-sim as scripts and checks rely on it: the summary lines in
# order, identical digests for identical runs, malformed scripts exit 2,
# scripts that post what no player can are refused.
function(run_sim out_var rc_var)
  execute_process(COMMAND ${SIM} ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  set(${out_var} "${out}${err}" PARENT_SCOPE)
  set(${rc_var} ${rc} PARENT_SCOPE)
endfunction()

function(digest_of text var)
  string(REGEX MATCH "digest ([0-9a-f]+)" m "${text}")
  set(${var} "${CMAKE_MATCH_1}" PARENT_SCOPE)
endfunction()

run_sim(first rc1 --arena --ticks 600)
run_sim(second rc2 --arena --ticks 600)
if(NOT rc1 EQUAL 0 OR NOT rc2 EQUAL 0)
  message(FATAL_ERROR "arena run failed: ${first}")
endif()
if(NOT first MATCHES "digest [0-9a-f]+\ntick_us median=[0-9.]+ max=[0-9.]+\n$")
  message(FATAL_ERROR "summary lines missing or out of order:\n${first}")
endif()
digest_of("${first}" d1)
digest_of("${second}" d2)
if(NOT d1 STREQUAL d2)
  message(FATAL_ERROR "same run, different digests: ${d1} ${d2}")
endif()

# The arena's balls roll: a shorter run must end in a different state.
run_sim(shorter rc3 --arena --ticks 300)
digest_of("${shorter}" d3)
if(d3 STREQUAL d1)
  message(FATAL_ERROR "digest does not follow the simulation")
endif()

run_sim(bad rc4 --arena --ticks 10 --script ${SCRIPTS}/malformed.txt)
if(NOT rc4 EQUAL 2 OR NOT bad MATCHES "malformed.txt:4:")
  message(FATAL_ERROR "malformed script: rc=${rc4} output:\n${bad}")
endif()

run_sim(scripted rc5 --arena --ticks 10 --any-message --script ${SCRIPTS}/endgame.txt)
if(NOT rc5 EQUAL 0 OR NOT scripted MATCHES "endGame win=1 level=0 tick=3\nendGame win=0 level=7 tick=5\ndigest")
  message(FATAL_ERROR "scripted messages not posted in tick order:\n${scripted}")
endif()

run_sim(noargs rc6 --ticks 10)
if(NOT rc6 EQUAL 2)
  message(FATAL_ERROR "missing --arena/--level accepted")
endif()

# Without the developer flag only a player's input gets through: a script
# that declares its own win, or drives the crane behind the HUD's back, is
# refused before the world is built.
foreach(case "endgame_win.txt:endGame win=1 level=5" "cranecontrol.txt:cranecontrol tag=elevate setting=1")
  string(REGEX MATCH "^([^:]+):(.*)$" m "${case}")
  set(file ${CMAKE_MATCH_1})
  set(line "${CMAKE_MATCH_2}")
  run_sim(refused rc --level 5 --ticks 10 --script ${SCRIPTS}/${file})
  if(NOT rc EQUAL 2 OR NOT refused MATCHES "${file}:2: refused '${line}': ")
    message(FATAL_ERROR "${file} not refused: rc=${rc} output:\n${refused}")
  endif()
  if(refused MATCHES "endGame win=1 level=5 tick=")
    message(FATAL_ERROR "${file} ran the level although refused:\n${refused}")
  endif()
endforeach()

# Bad option values stop the run with a line that names the problem.
foreach(case "--ticks;99999999999999:--ticks takes a count from 0 to 10000000"
             "--ticks;10000001:--ticks takes a count from 0 to 10000000"
             "--script;${SCRIPTS}:is not|not a regular file"
             "--script;${SCRIPTS}/no_such_script.txt:No such file"
             "--script;${SCRIPTS}/tab.txt:tab.txt:2: a tab in the line")
  string(REGEX MATCH "^([^:]+):(.*)$" m "${case}")
  set(args ${CMAKE_MATCH_1})
  set(expected "${CMAKE_MATCH_2}")
  if(NOT args MATCHES "--ticks")
    list(APPEND args --ticks 10)
  endif()
  run_sim(badvalue rc --arena ${args})
  if(NOT rc EQUAL 2 OR NOT badvalue MATCHES "${expected}")
    message(FATAL_ERROR "${args}: rc=${rc}, expected exit 2 and '${expected}':\n${badvalue}")
  endif()
endforeach()
run_sim(longest rc --arena --ticks 10000000 --script ${SCRIPTS}/no_such_script.txt)
if(longest MATCHES "--ticks takes")
  message(FATAL_ERROR "the largest tick count was refused:\n${longest}")
endif()

# The soak is seeded: a seed gives the same run; in the truck yard, which
# has no wall at its edge, seed 1 flings a prong over it and the fall is
# reported, while on the parking lot seed 2 loses the level early, without
# a fault.
run_sim(soakA rcA --arena --arena-variant truck --soak 1 --ticks 3000)
run_sim(soakB rcB --arena --arena-variant truck --soak 1 --ticks 3000)
run_sim(soakC rcC --level 0 --soak 2 --ticks 300)
if(NOT rcA EQUAL 1 OR NOT soakA MATCHES "soak: level 0 seed 1 tick [0-9]+: '[a-z]+' at [-0-9. ]+: fell to z -50")
  message(FATAL_ERROR "soak did not report the fall: rc=${rcA}\n${soakA}")
endif()
digest_of("${soakA}" sa)
digest_of("${soakB}" sb)
if(NOT sa STREQUAL sb)
  message(FATAL_ERROR "one seed, two soaks: ${sa} ${sb}")
endif()
if(NOT rcC EQUAL 0 OR NOT soakC MATCHES "soak: level 0 seed 2: [0-9]+ ticks without a fault")
  message(FATAL_ERROR "short soak should pass: rc=${rcC}\n${soakC}")
endif()
