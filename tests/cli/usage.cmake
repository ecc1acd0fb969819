# The headless tool refuses bad arguments with its usage text and exit status 2, and shows
# the time base of a fresh work as one JSON document.
function(verifier args attendu)
  execute_process(COMMAND ${CLI} ${args} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL ${attendu})
    message(FATAL_ERROR "pelavorine-cli ${args}: status ${rc}, expected ${attendu}\n${out}${err}")
  endif()
  set(sortie "${out}" PARENT_SCOPE)
  set(erreurs "${err}" PARENT_SCOPE)
endfunction()

verifier("" 2)
if(NOT erreurs MATCHES "Usage")
  message(FATAL_ERROR "no usage text: ${erreurs}")
endif()
verifier("bogus" 2)
verifier("run;--points" 2)
verifier("run;--points;0" 2)
verifier("run;--engineering;maybe" 2)
verifier("run;--frobnicate" 2)

verifier("run;--points;4;--tbase;0.5;--show;T,NBPOINT,NOPE;--json" 0)
string(JSON n LENGTH "${sortie}" variables T points)
string(JSON p1 GET "${sortie}" variables T points 1)
string(JSON x3 GET "${sortie}" variables T x 3)
string(JSON nb GET "${sortie}" variables NBPOINT value)
string(JSON nope TYPE "${sortie}" variables NOPE)
if(NOT n EQUAL 4 OR NOT p1 STREQUAL "0.5" OR NOT x3 STREQUAL "1.5" OR NOT nb STREQUAL "4" OR NOT nope STREQUAL "NULL")
  message(FATAL_ERROR "unexpected document: ${sortie}")
endif()

# One file at most; "info" needs one.
verifier("run;a.PL2;b.PL2" 2)
verifier("run;--save;a.PL2;--save;b.PL2" 2)
verifier("info" 2)
verifier("info;a.PL2;--frobnicate" 2)

# The file goes right after the subcommand's name; a word anywhere else is a usage error.
verifier("run;--points;4;a.PL2" 2)
verifier("info;--json;a.PL2" 2)
if(NOT erreurs MATCHES "argument inattendu : a.PL2")
  message(FATAL_ERROR "no message for the word out of place: ${erreurs}")
endif()

# --help shows the usage text on the standard output, every subcommand with its options.
verifier("--help" 0)
foreach(attendu "pelavorine-cli run \\[FICHIER\\]" "\\[--acquire\\]" "\\[--line TEXTE\\]\\.\\.\\."
        "\\[--show NOM\\[,NOM\\.\\.\\.\\]\\]" "pelavorine-cli info FICHIER \\[--json\\]")
  if(NOT sortie MATCHES "${attendu}")
    message(FATAL_ERROR "'${attendu}' missing from the usage text:\n${sortie}")
  endif()
endforeach()
