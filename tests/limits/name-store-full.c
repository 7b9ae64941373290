// All names share one store of 262144 bytes, each name with its NUL, and the
// 97 keywords and operators take the first 519. After 1021 names of 255
// characters a name of 248 characters is the last that fits; one of 249 stops
// with "lexemes array full". Names of functions whose bodies have ended keep
// their bytes: 1269 functions with a local of 200 characters fit, the local
// of the 1270th does not.
// RUN: rm -rf %t && mkdir -p %t
// RUN: python3 %S/Inputs/many-names.py long 1021 248 > %t/fits.c
// RUN: %quarn %t/fits.c %t/fits.asm
// RUN: %check --check-prefix=FITS %s < %t/fits.asm
// RUN: python3 %S/Inputs/many-names.py long 1021 249 > %t/full.c
// RUN: %status 2 %quarn %t/full.c %t/full.asm 2> %t/full.err
// RUN: %check --check-prefix=FULL %s < %t/full.err
// RUN: python3 %S/Inputs/many-names.py functions 1270 200 > %t/closed.c
// RUN: %status 2 %quarn %t/closed.c %t/closed.asm 2> %t/closed.err
// RUN: %check --check-prefix=CLOSED %s < %t/closed.err
// RUN: %check --check-prefix=CLOSEDASM %s < %t/closed.asm
// FITS:{{N1021_X{242,242}[ ]}}DS 1
// FITS:* END * ZMAIN
// FULL:line 1022: lexemes array full
// FULL-NOT:{{.}}
// CLOSED:line 1270: lexemes array full
// CLOSEDASM:ZF1268 EQU *
// CLOSEDASM-NOT:ZF1269 EQU *
