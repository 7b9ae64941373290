// A name that was never declared stops the compilation wherever an expression
// reads it: in an assignment, in a condition, in an argument, in an index and
// in the initialiser of a declaration.
// RUN: rm -rf %t && mkdir -p %t
// RUN: sed -n 's/^\/\/ ASSIGN: //p' %s > %t/assign.c
// RUN: %status 2 %quarn %t/assign.c %t/assign.asm 2> %t/assign.err
// RUN: %check --check-prefix=ASSIGNERR %s < %t/assign.err
// RUN: sed -n 's/^\/\/ CONDITION: //p' %s > %t/condition.c
// RUN: %status 2 %quarn %t/condition.c %t/condition.asm 2> %t/condition.err
// RUN: %check --check-prefix=CONDITIONERR %s < %t/condition.err
// RUN: sed -n 's/^\/\/ ARGUMENT: //p' %s > %t/argument.c
// RUN: %status 2 %quarn %t/argument.c %t/argument.asm 2> %t/argument.err
// RUN: %check --check-prefix=ARGUMENTERR %s < %t/argument.err
// RUN: sed -n 's/^\/\/ INDEX: //p' %s > %t/index.c
// RUN: %status 2 %quarn -O %t/index.c %t/index.asm 2> %t/index.err
// RUN: %check --check-prefix=INDEXERR %s < %t/index.err
// RUN: sed -n 's/^\/\/ INIT: //p' %s > %t/init.c
// RUN: %status 2 %quarn %t/init.c %t/init.asm 2> %t/init.err
// RUN: %check --check-prefix=INITERR %s < %t/init.err
//
// ASSIGN: int x;
// ASSIGN: int f()
// ASSIGN: {
// ASSIGN:     x = y;
// ASSIGN: }
// ASSIGNERR:line 4: error: undefined symbol
//
// CONDITION: int x;
// CONDITION: int f()
// CONDITION: {
// CONDITION:     x = 1;
// CONDITION:     while (x < limit) x = x + 1;
// CONDITION: }
// CONDITIONERR:line 5: error: undefined symbol
//
// ARGUMENT: int g(int a)
// ARGUMENT: {
// ARGUMENT:     return a;
// ARGUMENT: }
// ARGUMENT: int f()
// ARGUMENT: {
// ARGUMENT:     return g(1 + missing);
// ARGUMENT: }
// ARGUMENTERR:line 7: error: undefined symbol
//
// INDEX: int a[4];
// INDEX: int f()
// INDEX: {
// INDEX:     return a[i];
// INDEX: }
// INDEXERR:line 4: error: undefined symbol
//
// INIT: int x = 2;
// INIT: int y = x + z;
// INITERR:line 2: error: undefined symbol
