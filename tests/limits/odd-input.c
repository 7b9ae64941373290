// Input that is no ordinary C text: cut off anywhere, it stops with the failed
// match naming the end of input "ID"; comments alone compile, also without a
// final newline; lines have no length limit; bytes that are no token stop a
// statement. Random bytes, text and token soup end with status 0, 1 or 2,
// never a sanitizer's 99, a signal or a hang (the runner's time limit).
// RUN: rm -rf %t && mkdir -p %t && python3 %S/Inputs/odd-input.py %t
// RUN: python3 %S/Inputs/compile-each.py %quarn -- %t/*.c | %check %s
// CHECK:comments.c: 0
// CHECK-NEXT:cut-asm.c: 2 | error: expected } but found ID | line 3: syntax error
// CHECK-NEXT:cut-exponent.c: 2 | line 1: conversion from floating point type to integral, possible loss of data | error: expected ; but found ID | line 1: syntax error
// CHECK-NEXT:cut-hex.c: 2 | error: expected ; but found ID | line 1: syntax error
// CHECK-NEXT:cut-name.c: 2 | error: expected ; but found ID | line 1: syntax error
// CHECK-NEXT:cut-number.c: 2 | error: expected ; but found ID | line 1: syntax error
// CHECK-NEXT:cut-operator.c: 2 | error: expected ID but found ID | line 4: syntax error
// CHECK-NEXT:cut-point.c: 2 | error: expected ; but found ID | line 1: syntax error
// CHECK-NEXT:long-lines.c: 2 | error: expected extern or static but found ID | line 5: syntax error
// CHECK-NEXT:stray-body.c: 2 | error: expected statement such as if, while, or return but found ID | line 4: syntax error
// RUN: %check --check-prefix=END %s < %t/comments.c.asm && %check --check-prefix=LONG %s < %t/long-lines.c.asm && %check --check-prefix=STRAY %s < %t/stray-body.c.asm
// END:* END * ZMAIN
// LONG: LDA X
// LONG:Z DS 2
// STRAY:Y DS 2
// RUN: python3 %S/Inputs/compile-each.py %quarn -- %t/garbage/*.c | not grep -vE ': [012]( |$)'
// RUN: python3 %S/Inputs/compile-each.py %quarn -O -C -- %t/garbage/*.c | not grep -vE ': [012]( |$)'
