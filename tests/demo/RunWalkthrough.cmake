# Plays the demo game's walkthrough with playtest on a copy of the game, so
# the saved game the walkthrough makes does not land in the source tree.
# Variables: PLAYTEST (the program), DEMO (the game folder), WORK (a scratch
# folder of the build).
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
file(COPY "${DEMO}/" DESTINATION "${WORK}/game")
execute_process(
  COMMAND "${PLAYTEST}" --project "${WORK}/game" --script "${DEMO}/walkthrough.txt"
          --screenshots "${WORK}/screenshots" --log "${WORK}/log.jsonl"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the demo walkthrough failed (playtest exit status ${result}); log: ${WORK}/log.jsonl")
endif()
