// The input may end anywhere: after nothing but comments, without a final
// newline, or in the middle of a name, a number, an operator or a
// declaration. A complete program without a final newline compiles and runs;
// a cut one stops with the failed match naming the end of input as "ID".
// RUN: rm -rf %t && mkdir -p %t
// RUN: python3 -c "import sys; sys.stdout.write('// comment\r\n# directive\r\n' * 5000 + '// last, without a newline')" > %t/comments.c
// RUN: %quarn %t/comments.c %t/comments.asm 2> %t/comments.err
// RUN: diff %S/../output/Inputs/default-header-trailer.asm %t/comments.asm
// RUN: count 0 < %t/comments.err
// RUN: printf 'char x;\nint main()\n{\n    x = 40;\n    return x + 2;\n}' > %t/whole.c
// RUN: %run %t/whole.c | FileCheck --check-prefix=WHOLE %s
// WHOLE:result: 42
// RUN: printf 'int x = 12' > %t/number.c
// RUN: %status 2 %quarn %t/number.c %t/number.asm 2> %t/number.err
// RUN: %check --check-prefix=SEMI %s < %t/number.err
// RUN: printf 'int x = 1.' > %t/dot.c
// RUN: %status 2 %quarn %t/dot.c %t/dot.asm 2> %t/dot.err
// RUN: %check --check-prefix=SEMI %s < %t/dot.err
// RUN: printf 'int x = 0x' > %t/hex.c
// RUN: %status 2 %quarn %t/hex.c %t/hex.asm 2> %t/hex.err
// RUN: %check --check-prefix=SEMI %s < %t/hex.err
// RUN: printf 'int x = 1.5e+' > %t/exponent.c
// RUN: %status 2 %quarn %t/exponent.c %t/exponent.asm 2> %t/exponent.err
// RUN: %check --check-prefix=FLOATSEMI %s < %t/exponent.err
// SEMI:error: expected ; but found ID
// SEMI-NEXT:line 1: syntax error
// SEMI-NOT:{{.}}
// FLOATSEMI:line 1: conversion from floating point type to integral, possible loss of data
// FLOATSEMI-NEXT:error: expected ; but found ID
// FLOATSEMI-NEXT:line 1: syntax error
// RUN: printf 'int abc' > %t/name.c
// RUN: %status 2 %quarn %t/name.c %t/name.asm 2> %t/name.err
// RUN: %check --check-prefix=NAME %s < %t/name.err
// NAME:error: expected ; but found ID
// NAME-NEXT:line 1: syntax error
// RUN: printf 'int x;\nint f()\n{\n    x = x +' > %t/operator.c
// RUN: %status 2 %quarn %t/operator.c %t/operator.asm 2> %t/operator.err
// RUN: %check --check-prefix=OPERATOR %s < %t/operator.err
// OPERATOR:error: expected ID but found ID
// OPERATOR-NEXT:line 4: syntax error
// OPERATOR-NOT:{{.}}
// RUN: printf 'int f()\n{\n    asm NOP' > %t/asm.c
// RUN: %status 2 %quarn %t/asm.c %t/asm.asm 2> %t/asm.err
// RUN: %check --check-prefix=ASM %s < %t/asm.err
// ASM:error: expected } but found ID
// ASM-NEXT:line 3: syntax error
