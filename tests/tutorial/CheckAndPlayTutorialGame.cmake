# The guide's tutorial game: quendara-check must find nothing in it, and the
# walkthrough beside it must play to the end in playtest (on a copy, so the
# source tree stays as it is).
# Variables: CHECK and PLAYTEST (the programs), GAME (the game folder), WORK
# (a scratch folder of the build).
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
execute_process(
  COMMAND "${CHECK}" "${GAME}"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the tutorial game does not check clean (quendara-check exit status ${result})")
endif()
file(COPY "${GAME}/" DESTINATION "${WORK}/game")
execute_process(
  COMMAND "${PLAYTEST}" --project "${WORK}/game" --script "${GAME}/walkthrough.txt"
          --log "${WORK}/log.jsonl"
  RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "the tutorial game's walkthrough failed (playtest exit status ${result}); log: ${WORK}/log.jsonl")
endif()
