# Shared by the end-to-end scripts of the headless tool.

# Runs the tool; its standard output is left in doc. Fails unless the status is attendu.
function(lancer attendu)
  execute_process(COMMAND ${CLI} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL ${attendu})
    message(FATAL_ERROR "pelavorine-cli ${ARGN}: status ${rc}, expected ${attendu}\n${out}${err}")
  endif()
  set(doc "${out}" PARENT_SCOPE)
endfunction()

function(egal valeur attendu)
  if(NOT "${valeur}" STREQUAL "${attendu}")
    message(FATAL_ERROR "got '${valeur}', expected '${attendu}' in\n${doc}")
  endif()
endfunction()
