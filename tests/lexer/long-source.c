// Tokens anywhere in a long source: names, numbers and two-character
// operators that start a few bytes before a multiple of 16384 are read whole,
// and every newline of the long runs of blanks is counted.
// RUN: rm -rf %t && mkdir -p %t && python3 %S/Inputs/long-source.py > %t/long.c
// RUN: %status 2 %quarn %t/long.c %t/long.asm 2> %t/err && %check %s < %t/long.asm && %check --check-prefix=ERR %s < %t/err
// CHECK-COUNT-12:V{{[0-9]+}}: DW 4936
// ERR:line 3073: symbol redefinition
