#!/usr/bin/env python3
"""Writes the damaged work files of tests/data/endommages from valid files of fuzz/corpus.

The valid files were composed once by the program's own writer (FichierTravail::Composer;
the first two before it stored the desk and the windows, which a file may lack):
  deux_variables.PL2  description "Deux variables", the start-up work plus the acquired
                      tables U = {1.5, -2, 3.25} and V = {10, 20, 30, 40}, and a sheet of one
                      line "W=U*2" (CAL record, level 10);
  commentaire.PL2     the same work with a kept two-line comment record (COM, window 1,
                      lines "Essai" and "U=1") and description "Commentaire";
  complet.PL2         (a fuzzing seed only) desk, window 1 with a comment and an arrow,
                      acquisition and inputs, linear and own abscissas (DTX), a typed
                      scalar and a two-line sheet, description "Complet".
Each damaged file breaks one rule of the format in a way the reader must detect; damage the
format allows (a cut exactly between two records, bytes after the end record) is left out.
Run from anywhere: python3 scripts/corpus_endommages.py
"""

import pathlib
import random
import struct

RACINE = pathlib.Path(__file__).resolve().parent.parent
SOURCE = RACINE / "fuzz" / "corpus"
CIBLE = RACINE / "tests" / "data" / "endommages"

TYPE_COM, TYPE_CAL = 2, 10


def enregistrements(octets):
    """(start, tag, type, data start, end) of each record, the lines after COM/CAL included."""
    position = 3 + octets[2] + octets[27]
    liste = []
    while position < len(octets):
        tag = octets[position + 2:position + 5].decode()
        type_, _, _, valeur, taille = struct.unpack_from("<BBBHH", octets, position + 6)
        donnees = position + 14
        fin = donnees + taille
        lignes = octets[donnees + 79] if type_ == TYPE_COM else valeur if type_ == TYPE_CAL else 0
        for _ in range(lignes):
            fin += 1 + octets[fin]
        liste.append((position, tag, type_, donnees, fin))
        position = fin
    return liste


def premier(liste, tag):
    return next(e for e in liste if e[1] == tag)


def dernier(liste, tag):
    return [e for e in liste if e[1] == tag][-1]


def remplace(octets, position, nouveaux):
    return octets[:position] + nouveaux + octets[position + len(nouveaux):]


def main():
    base = (SOURCE / "deux_variables.PL2").read_bytes()
    com = (SOURCE / "commentaire.PL2").read_bytes()
    recs = enregistrements(base)
    recs_com = enregistrements(com)
    debut_enregistrements = recs[0][0]
    dty = premier(recs, "DTY")
    dty2 = dernier(recs, "DTY")
    var2 = [e for e in recs if e[1] == "VAR"][1]
    cal = premier(recs, "CAL")
    c = premier(recs_com, "COM")
    assert cal[4] == len(base), "the sheet record must end the file"
    hasard = random.Random(20240611)

    fichiers = {
        # Not a work file at all.
        "magique_fausse": remplace(base, 0, b"\x5c\xa5"),
        "ordures": bytes(hasard.randrange(256) for _ in range(300)),
        # Header and description.
        "entete_coupe": base[:20],
        "longueur_entete_courte": remplace(base, 2, b"\x10"),
        "description_au_dela": remplace(base[:debut_enregistrements], 27, b"\xff"),
        "ordures_apres_entete": base[:debut_enregistrements]
        + bytes(hasard.randrange(256) for _ in range(64)),
        # Records cut short.
        "entete_enregistrement_coupe": base[:dty[0] + 6],
        "donnees_coupees": base[:dty[3] + 16],
        "lignes_cal_coupees": base[:-2],
        "lignes_com_coupees": com[:c[3] + 88 + 3],
        # Counts and sizes that lie.
        "lignes_com_manquantes": remplace(com[:c[4]], c[3] + 79, b"\x05"),
        "lignes_cal_manquantes": remplace(base, cal[0] + 9, b"\x03\x00"),
        "taille_trop_grande": remplace(base, dty2[0] + 11, b"\x00\x10"),
        "morceau_enorme": remplace(base, dty[0] + 9, b"\x00\x01"),
        # Marker.
        "marqueur_efface": remplace(base, var2[0], bytes(6)),
    }
    assert fichiers["ordures"][:2] not in (b"\x5a\xa5", b"\x5b\xa5")
    CIBLE.mkdir(parents=True, exist_ok=True)
    for ancien in CIBLE.glob("*.PL2"):
        ancien.unlink()
    for nom, octets in fichiers.items():
        assert len(octets) < 2048
        (CIBLE / f"{nom}.PL2").write_bytes(octets)
        print(f"{nom}.PL2 {len(octets)}")


if __name__ == "__main__":
    main()
