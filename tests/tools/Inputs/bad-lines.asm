* Lines the bridge cannot translate.
 ORG $2000
NOVALUE EQU
 EQU 5
9LABEL EQU *
GOOD EQU *
EMPTY: DFB
 DS -1
