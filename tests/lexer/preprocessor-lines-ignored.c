// A '#' starts a comment wherever it stands, so preprocessor lines are skipped
// whole, and the lines they take are still counted. Conditionals are not
// obeyed: the line between #if 0 and #endif is compiled.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
// RUN: %run %s | FileCheck --check-prefix=SIM %s
// RUN: printf 'int x;\n#define A 1\n# define B\n@ x\n' > %t/line.c
// RUN: %status 2 %quarn %t/line.c %t/line.asm 2> %t/line.err
// RUN: %check --check-prefix=LINE %s < %t/line.err
#include <stdio.h>
#define LIMIT 3
# pragma once
int a = 7; # int b = 9;
#if 0
int c = 1;
#endif
int main()
{
    return a; #define NOTHING
}
// CHECK:A: DW 7
// CHECK-NOT:B:
// CHECK:C: DW 1
// CHECK:ZMAIN EQU *
// SIM:result: 7
// LINE:line 4: syntax error
