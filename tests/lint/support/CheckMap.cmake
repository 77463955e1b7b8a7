# Writes the room map of the shipped data (cmake -P) and checks that it is a
# graph of the start room with labelled exits; when Graphviz is installed,
# also that dot accepts it. Variables: LINT, OUT (the DOT file), DOT (the dot
# program or empty).
execute_process(COMMAND ${LINT} --map ${OUT} RESULT_VARIABLE status
                OUTPUT_VARIABLE output)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "zarvel-lint --map: status ${status}\n${output}")
endif()
file(READ ${OUT} map)
foreach(part "digraph zarvel {" "room1 \\[label=\"1: [^\"]+\", peripheries=2\\]"
        "room1 -> room2 \\[label=\"sever\"\\]" "style=dashed")
  if(NOT map MATCHES "${part}")
    message(FATAL_ERROR "the map lacks ${part}:\n${map}")
  endif()
endforeach()
if(DOT)
  execute_process(COMMAND ${DOT} -Tsvg ${OUT} -o ${OUT}.svg
                  RESULT_VARIABLE dot_status ERROR_VARIABLE dot_errors)
  if(NOT dot_status EQUAL 0 OR dot_errors)
    message(FATAL_ERROR "dot rejects the map: ${dot_errors}")
  endif()
endif()
