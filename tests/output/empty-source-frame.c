// An empty source still gets the complete header and trailer: the register
// block at $E0 with two-digit equates, origin $2000, no stack set-up, the jump
// to ZMAIN, the two signature bytes and the END comment. Status 0.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %quarn %S/../driver/Inputs/empty.c %t/out.asm > %t/stdout 2> %t/stderr
// RUN: diff %S/Inputs/default-header-trailer.asm %t/out.asm
// RUN: diff %S/../driver/Inputs/banner.txt %t/stdout
// RUN: count 0 < %t/stderr
