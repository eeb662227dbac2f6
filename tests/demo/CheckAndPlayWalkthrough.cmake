# Checks the demo game with quendara-check, which must find nothing, and
# plays the walkthrough it writes with playtest on a copy of the game.
# Variables: CHECK and PLAYTEST (the programs), DEMO (the game folder), WORK
# (a scratch folder of the build).
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(
  COMMAND "${CHECK}" "${DEMO}" --walkthrough "${WORK}/walkthrough.txt"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the demo does not check clean (quendara-check exit status ${result})")
endif()
file(COPY "${DEMO}/" DESTINATION "${WORK}/game")
execute_process(
  COMMAND "${PLAYTEST}" --project "${WORK}/game" --script "${WORK}/walkthrough.txt" --log "${WORK}/log.jsonl"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the checker's walkthrough of the demo failed (playtest exit status ${result}); log: ${WORK}/log.jsonl")
endif()
