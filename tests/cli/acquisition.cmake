# "pelavorine-cli run --acquire": one acquisition on the simulated interface before the sheet.
include(${CMAKE_CURRENT_LIST_DIR}/commun.cmake)

set(ENV{PELAVORINE_INTERFACES} ${INTERFACES})
set(ENV{PELAVORINE_SIMULATION_FAST} 1)
file(REMOVE_RECURSE ${WORK}/config-acquisition)
set(ENV{PELAVORINE_CONFIG_DIR} ${WORK}/config-acquisition)

# The simulated EA0 is 2 V · sin(2π · 50 Hz · t): 200 points at 100 µs hold one period.
lancer(0 run --points 200 --tbase 0.0001 --inputs EA0 --acquire --line "M=MAX(EA0)"
       --show EA0,M --json)
string(JSON n GET "${doc}" variables EA0 count)
egal(${n} 200)
# Point 51 is t = 5 ms (the crest), point 101 t = 10 ms (back to 0), point 151 the trough.
string(JSON crete GET "${doc}" variables EA0 points 50)
string(JSON zero GET "${doc}" variables EA0 points 100)
string(JSON creux GET "${doc}" variables EA0 points 150)
string(JSON x GET "${doc}" variables EA0 x 100)
# Within the 16-bit codes of the ±10 V calibre (0.3 mV).
set(deux "(1\\.999[0-9]*|2|2\\.000[0-9]*)")
if(NOT crete MATCHES "^${deux}$" OR NOT creux MATCHES "^-${deux}$"
   OR NOT zero MATCHES "^-?(0|0\\.000[0-9]*|[0-9.]+e-[0-9]+)$"
   OR NOT x MATCHES "^0\\.0(1|0999[0-9]*|1000[0-9]*)$")
  message(FATAL_ERROR "not the simulated sine: ${crete} ${zero} ${creux} at ${x}\n${doc}")
endif()
# The sheet runs after the acquisition, on its points.
string(JSON m GET "${doc}" variables M value)
if(NOT m MATCHES "^${deux}$")
  message(FATAL_ERROR "M = ${m}")
endif()
string(JSON e TYPE "${doc}" error)
egal(${e} NULL)

# An input the interface does not have.
lancer(1 run --inputs EA9 --acquire --json)
string(JSON msg GET "${doc}" error message)
egal("${msg}" "Entrée inconnue : EA9")

# Without any interface the acquisition reports that no card is in service.
file(MAKE_DIRECTORY ${WORK}/vide-acquisition)
set(ENV{PELAVORINE_INTERFACES} ${WORK}/vide-acquisition)
lancer(1 run --acquire --json)
string(JSON code GET "${doc}" error code)
string(JSON msg GET "${doc}" error message)
egal("${code}/${msg}" "3/PAS D'ENTREES ou SORTIES EN SERVICE.")
lancer(1 run --inputs EA0 --acquire --json)
string(JSON msg GET "${doc}" error message)
egal("${msg}" "PAS DE CARTE D'ACQUISITION EN SERVICE.")
