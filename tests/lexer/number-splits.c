// Forms that look like one number scan as several tokens: 08 is 0 then 8,
// 019 is 1 then 9, 0L is 0 then the name L, 1e5 is 1 then the name e5.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 2 %quarn %s %t/out.asm 2> %t/err
// RUN: %check --check-prefix=EIGHT %s < %t/err
// RUN: printf 'int a = 019;\n' > %t/nine.c
// RUN: %status 2 %quarn %t/nine.c %t/nine.asm 2> %t/nine.err
// RUN: %check --check-prefix=SPLIT %s < %t/nine.err
// RUN: printf 'int a = 0L;\n' > %t/suffix.c
// RUN: %status 2 %quarn %t/suffix.c %t/suffix.asm 2> %t/suffix.err
// RUN: %check --check-prefix=SPLIT %s < %t/suffix.err
// RUN: printf 'int a = 1e5;\n' > %t/exponent.c
// RUN: %status 2 %quarn %t/exponent.c %t/exponent.asm 2> %t/exponent.err
// RUN: %check --check-prefix=SPLIT %s < %t/exponent.err
int a = 08;
// EIGHT:error: expected ; but found ID
// EIGHT-NEXT:line 15: syntax error
// SPLIT:error: expected ; but found ID
// SPLIT-NEXT:line 1: syntax error
