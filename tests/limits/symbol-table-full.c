// The symbol table holds entries 1 to 4095, and the 97 keywords and operators
// take the first 97: 3998 names fit, the 3999th live name stops with "symbol
// table full" on the line that names it. A function's parameters and locals
// free their entries when its body ends, so the next function reuses them.
// RUN: rm -rf %t && mkdir -p %t
// RUN: python3 %S/Inputs/many-names.py globals 3996 a > %t/fits.c
// RUN: %quarn %t/fits.c %t/fits.asm
// RUN: %check --check-prefix=FITS %s < %t/fits.asm
// RUN: python3 %S/Inputs/many-names.py globals 3996 a b > %t/full.c
// RUN: %status 2 %quarn %t/full.c %t/full.asm 2> %t/full.err
// RUN: %check --check-prefix=FULL %s < %t/full.err
// RUN: python3 %S/Inputs/many-names.py globals 3995 a b > %t/reuse.c
// RUN: echo 'void g() { char c; }' >> %t/reuse.c
// RUN: %quarn %t/reuse.c %t/reuse.asm
// RUN: %check --check-prefix=REUSE %s < %t/reuse.asm
// RUN: python3 %S/Inputs/many-names.py globals 3995 a b > %t/reusefull.c
// RUN: echo 'void g() { char c; char d; }' >> %t/reusefull.c
// RUN: %status 2 %quarn %t/reusefull.c %t/reusefull.asm 2> %t/reusefull.err
// RUN: %check --check-prefix=REUSEFULL %s < %t/reusefull.err
// FITS:G3995 DS 1
// FITS:AZF EQU $0000
// FITS:* END * ZMAIN
// FULL:line 4000: symbol table full
// FULL-NOT:{{.}}
// REUSE:BZF EQU $FFFF
// REUSE:CZG EQU $0000
// REUSE:* END * ZMAIN
// REUSEFULL:line 4001: symbol table full
