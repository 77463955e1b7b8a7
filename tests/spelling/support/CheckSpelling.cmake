# Spell-checks every text the player can read (cmake -P): zarvel-lint
# --texts prints them with the markup removed, hunspell with Debian's Czech
# dictionary lists the words it does not know, and every such word must be
# in the reviewed list of the game's own names and words (words.txt).
# Variables: LINT, HUNSPELL, WORDS, OUT (a scratch file).
execute_process(COMMAND ${LINT} --texts OUTPUT_FILE ${OUT}
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "zarvel-lint --texts failed with status ${status}")
endif()
execute_process(COMMAND ${HUNSPELL} -d cs_CZ -i UTF-8 -p ${WORDS} -l
                INPUT_FILE ${OUT}
                OUTPUT_VARIABLE unknown
                ERROR_VARIABLE errors
                RESULT_VARIABLE status)
if(errors MATCHES "Can't open affix or dictionary")
  message("hunspell has no cs_CZ dictionary (Debian package hunspell-cs): skipped")
  return()
endif()
if(NOT status EQUAL 0)
  message(FATAL_ERROR "hunspell failed with status ${status}: ${errors}")
endif()
if(NOT unknown STREQUAL "")
  string(REPLACE "\n" " " unknown "${unknown}")
  message(FATAL_ERROR "words that are neither Czech nor in ${WORDS}: "
                      "${unknown}\nFix the spelling in the data, or add a "
                      "name or word of the game to the list.")
endif()
