// A decimal number may be written with 43 characters (its value wraps in 32
// bits: 10^42 + 5 is 5); a longer one is refused. Hexadecimal and octal
// digits have no limit.
// RUN: rm -rf %t && mkdir -p %t
// RUN: python3 -c "print('int a = 1' + '0' * 41 + '5;'); print('int b = 0x' + '0' * 60 + '1F;'); print('int c = 0' + '0' * 60 + '17;')" > %t/ok.c
// RUN: %quarn %t/ok.c %t/ok.asm
// RUN: %check --check-prefix=OK %s < %t/ok.asm
// RUN: python3 -c "print('int a;'); print('int b = 1' + '0' * 42 + '5;')" > %t/long.c
// RUN: %status 2 %quarn %t/long.c %t/long.asm 2> %t/long.err
// RUN: %check --check-prefix=LONG %s < %t/long.err
// OK:A: DW 5
// OK:B: DW 31
// OK:C: DW 15
// LONG:line 2: error: number too long
// LONG-NOT:{{.}}
