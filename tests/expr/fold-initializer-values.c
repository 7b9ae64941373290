// Initialisers are always typed and folded: constant arithmetic with 32-bit
// wrap-around, comparisons, '!' complementing every bit, const symbols, a
// floating product narrowed with its warning; an initialiser that does not
// fold keeps the value its root node was left with (5 for 5 + a, rewritten
// to a + 5; 0 for a + 1), and a lone name gives that name's recorded value.
// (The warning names the line after that of t: the `;` that ends t's line is
// read with its newline before the value is stored.)
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 1 %quarn %s %t/out.asm 2> %t/err
// RUN: %check %s < %t/out.asm
// RUN: %check --check-prefix=WARN %s < %t/err
int a = 2 + 3 * 4;
int b = 7 / 2 - -7 / 2;
int c = -7 % 2;
char d = 3 < 5;
char e = 5 <= 3;
int g = !0;
int h = ~1;
const int k = 10;
int m = k * 2 + (1 && 0) + (2 || 0);
int n = 5 + a;
int p = a + 1;
int q = a;
int r = 2147483647 + 1;
int s = -2147483648 / -1 + -2147483648 % -1;
int t = 1.5 * 2 + 0;
int u = 0 + (1 << 10) + (-16 >> 2) + 12 % 5 + (12 & 10) + (12 | 3) + (12 ^ 10);
// CHECK:A: DW 14
// CHECK:B: DW 6
// CHECK:C: DW -1
// CHECK:D: DFB 1
// CHECK:E: DFB 0
// CHECK:G: DW 65535
// CHECK:H: DW 65534
// CHECK:K: DW 10
// CHECK:M: DW 21
// CHECK:N: DW 5
// CHECK:P: DW 0
// CHECK:Q: DW 14
// CHECK:R: DW -2147483648
// CHECK:S: DW -2147483648
// CHECK:T: DW 3
// CHECK:U: DW 1051
// WARN:line 27: conversion from floating point type to integral, possible loss of data
