// A comment that reaches the end of the input without a newline ends there.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
// RUN: printf "int x;\n# no newline" > %t/hash.c
// RUN: %quarn %t/hash.c %t/hash.asm
// RUN: %check %s < %t/hash.asm
// CHECK:X DS 2
// CHECK:* END * ZMAIN
int x;
// no newline