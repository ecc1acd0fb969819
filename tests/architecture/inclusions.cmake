# Each core area reaches only its own headers and those of the areas below it: every object of
# the list includes a header of a higher area and must fail to compile for that header alone.
# -DBUILD=<build tree> -DCIBLES=<target>=<header>;...
set(cibles)
foreach(paire ${CIBLES})
  string(REPLACE "=" ";" paire "${paire}")
  list(GET paire 0 cible)
  list(APPEND cibles ${cible})
endforeach()
execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD} --target ${cibles} -- -k 0
  OUTPUT_VARIABLE sortie ERROR_VARIABLE sortie RESULT_VARIABLE code)
if(code EQUAL 0)
  message(FATAL_ERROR "Every upward include compiled:\n${sortie}")
endif()
foreach(paire ${CIBLES})
  string(REPLACE "=" ";" paire "${paire}")
  list(GET paire 0 cible)
  list(GET paire 1 entete)
  string(REGEX MATCH "${entete}: No such file or directory" trouve "${sortie}")
  if(NOT trouve)
    message(FATAL_ERROR "${cible} reaches ${entete}, or failed for another reason:\n${sortie}")
  endif()
  message(STATUS "${cible}: ${entete} is out of reach")
endforeach()
