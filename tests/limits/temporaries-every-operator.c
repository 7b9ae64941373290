// The temporaries BX to REF hold seven two-byte slots: every two-operand
// operator, on char and on int, in every code form (inline, helper calls,
// optimised), compiles an expression that keeps seven operands live and
// stops with "error: expression too complex" at eight. The deepest forms
// compute the right values on the simulator, R2AH to R2FH included.
// RUN: rm -rf %t && mkdir -p %t
// RUN: python3 %S/Inputs/deep-operands.py sweep %t 6 %quarn | %check %s
// RUN: python3 %S/Inputs/deep-operands.py sweep %t 6 %quarn -O | %check %s
// RUN: python3 %S/Inputs/deep-operands.py sweep %t 6 %quarn -C | %check %s
// CHECK:36 operators: 6 levels fit, 7 stop with line 5: error: expression too complex
// CHECK-NOT:{{.}}
// RUN: python3 %S/Inputs/deep-operands.py program int + 6 9000 > %t/add.c
// RUN: python3 %S/Inputs/deep-operands.py expect int + 6 9000 > %t/add.expect
// RUN: %run %t/add.c | grep result | diff %t/add.expect -
// RUN: python3 %S/Inputs/deep-operands.py program int - 6 300 > %t/sub.c
// RUN: python3 %S/Inputs/deep-operands.py expect int - 6 300 > %t/sub.expect
// RUN: %run %t/sub.c | grep result | diff %t/sub.expect -
// RUN: python3 %S/Inputs/deep-operands.py program int ^ 6 1234 > %t/xor.c
// RUN: python3 %S/Inputs/deep-operands.py expect int ^ 6 1234 > %t/xor.expect
// RUN: %run %t/xor.c | grep result | diff %t/xor.expect -
// RUN: python3 %S/Inputs/deep-operands.py program int '*' 6 3 > %t/mul.c
// RUN: python3 %S/Inputs/deep-operands.py expect int '*' 6 3 > %t/mul.expect
// RUN: %run %t/mul.c | grep result | diff %t/mul.expect -
// RUN: %run %t/mul.c -C | grep result | diff %t/mul.expect -
// RUN: python3 %S/Inputs/deep-operands.py program char '*' 6 3 > %t/mulb.c
// RUN: python3 %S/Inputs/deep-operands.py expect char '*' 6 3 > %t/mulb.expect
// RUN: %run %t/mulb.c | grep result | diff %t/mulb.expect -
// RUN: %run %t/mulb.c -C | grep result | diff %t/mulb.expect -
// RUN: python3 %S/Inputs/deep-operands.py program int '/' 6 700 > %t/div.c
// RUN: python3 %S/Inputs/deep-operands.py expect int '/' 6 700 > %t/div.expect
// RUN: %run %t/div.c | grep result | diff %t/div.expect -
// RUN: %run %t/div.c -C | grep result | diff %t/div.expect -
// RUN: python3 %S/Inputs/deep-operands.py program int '%%' 6 700 > %t/mod.c
// RUN: python3 %S/Inputs/deep-operands.py expect int '%%' 6 700 > %t/mod.expect
// RUN: %run %t/mod.c | grep result | diff %t/mod.expect -
// RUN: %run %t/mod.c -C | grep result | diff %t/mod.expect -
