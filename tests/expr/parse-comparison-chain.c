// Comparisons do not chain and a second shift ends the expression: the
// operator is left to the statement, whose match of ')' or ';' fails on it.
// RUN: rm -rf %t && mkdir -p %t
// RUN: sed -n 's/^\/\/ CONDITION: //p' %s > %t/condition.c
// RUN: %status 2 %quarn %t/condition.c %t/condition.asm 2> %t/condition.err
// RUN: %check --check-prefix=CONDITIONERR %s < %t/condition.err
// RUN: sed -n 's/^\/\/ ASSIGN: //p' %s > %t/assign.c
// RUN: %status 2 %quarn %t/assign.c %t/assign.asm 2> %t/assign.err
// RUN: %check --check-prefix=ASSIGNERR %s < %t/assign.err
// RUN: sed -n 's/^\/\/ SHIFT: //p' %s > %t/shift.c
// RUN: %status 2 %quarn %t/shift.c %t/shift.asm 2> %t/shift.err
// RUN: %check --check-prefix=SHIFTERR %s < %t/shift.err
//
// CONDITION: int a;
// CONDITION: int f()
// CONDITION: {
// CONDITION:     if (a == 1 == 0) a = 2;
// CONDITION: }
// CONDITIONERR:error: expected ) but found ==
// CONDITIONERR-NEXT:line 4: syntax error
//
// ASSIGN: int a;
// ASSIGN: int f()
// ASSIGN: {
// ASSIGN:     a = a < 1 < 2;
// ASSIGN: }
// ASSIGNERR:error: expected ; but found <
// ASSIGNERR-NEXT:line 4: syntax error
//
// SHIFT: int a;
// SHIFT: int f()
// SHIFT: {
// SHIFT:     a = a & a << 2;
// SHIFT: }
// SHIFTERR:error: expected ; but found <<
// SHIFTERR-NEXT:line 4: syntax error
