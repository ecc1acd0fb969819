# "pelavorine-cli run" runs a calculation sheet and reports it as one JSON document.
include(${CMAKE_CURRENT_LIST_DIR}/commun.cmake)

# Lines from --line and from a sheet file, in the order written; results per line.
file(WRITE ${WORK}/feuille.txt "{ a comment line\nK=2*3 ; comment\n")
lancer(0 run --points 4 --line "U=T*1000" --sheet ${WORK}/feuille.txt --line "M=U[3]+K" --show U,M,K --json)
string(JSON n LENGTH "${doc}" results)
egal(${n} 3)
string(JSON l GET "${doc}" results 0 line)
string(JSON t GET "${doc}" results 0 text)
egal("${l}:${t}" "1: Table[4]")
string(JSON l GET "${doc}" results 1 line)
egal(${l} 3)
# Reals are written in their shortest exact form.
if(NOT doc MATCHES "\"M\":{[^}]*\"value\":6.4}")
  message(FATAL_ERROR "M is not 6.4 in\n${doc}")
endif()
string(JSON e TYPE "${doc}" error)
egal(${e} NULL)

# An error: its line as the editor numbers them, its column, code and message; status 1.
lancer(1 run --line "A=1" --line "Y=SQRT(A-2)" --json)
string(JSON l GET "${doc}" error line)
string(JSON c GET "${doc}" error column)
string(JSON k GET "${doc}" error code)
string(JSON msg GET "${doc}" error message)
egal("${l}/${c}/${k}/${msg}" "2/11/7/argument négatif interdit")

# A Windows-1252 sheet file (é as the single byte 0xE9) reads as Windows-1252.
string(ASCII 233 e_aigu)
file(WRITE ${WORK}/latin1.txt "${e_aigu}t${e_aigu}=3\n")
lancer(0 run --sheet ${WORK}/latin1.txt --show "été" --json)
if(NOT doc MATCHES "\"été\":{[^}]*\"value\":3}")
  message(FATAL_ERROR "été is not 3 in\n${doc}")
endif()

# Repetitions run in full, as from the desk: a family of 3 curves.
lancer(0 run --points 4 --line ".REPETER 3" --line "RES.Y=T*NUMPOINT" --show Y --json)
string(JSON n GET "${doc}" variables Y count)
egal(${n} 12)

# A sheet file that cannot be read is an error of the document, status 1.
lancer(1 run --sheet ${WORK}/absent.txt --json)
string(JSON c GET "${doc}" error line)
egal(${c} 0)

# Every function of the language runs from the tool without an error.
lancer(0 run --points 64 --sheet ${DATA}/toutes_fonctions.txt --show A1,A4,E,I2,H,U --json)
string(JSON e TYPE "${doc}" error)
egal(${e} NULL)
string(JSON n GET "${doc}" variables E count)
egal(${n} 3)
# A1 = 3 + 1 + 4 + 2 + 2 + 0 + 10 + 1 + 2 + 0.5
if(NOT doc MATCHES "\"A1\":{[^}]*\"value\":25.5}")
  message(FATAL_ERROR "A1 is not 25.5 in\n${doc}")
endif()
# A4 = 0 + 2 + 64
if(NOT doc MATCHES "\"A4\":{[^}]*\"value\":66}")
  message(FATAL_ERROR "A4 is not 66 in\n${doc}")
endif()

# Without an acquisition system there is no logic port.
lancer(1 run --line "Y=IN(1)" --json)
string(JSON k GET "${doc}" error code)
egal(${k} 53)
