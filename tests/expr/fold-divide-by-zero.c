// A zero divisor found by the typing walk stops the compilation: in statements
// compiled with -O (also when the divisor only folds to zero), and in
// initialisers, which are always folded. Without -O a statement is generated
// as written and compiles.
// RUN: rm -rf %t && mkdir -p %t
// RUN: sed -n 's/^\/\/ QUOTIENT: //p' %s > %t/quotient.c
// RUN: %status 2 %quarn -O %t/quotient.c %t/quotient.asm 2> %t/quotient.err
// RUN: %check --check-prefix=QUOTIENTERR %s < %t/quotient.err
// RUN: %status 0 %quarn %t/quotient.c %t/plain.asm
// RUN: sed -n 's/^\/\/ REMAINDER: //p' %s > %t/remainder.c
// RUN: %status 2 %quarn -O %t/remainder.c %t/remainder.asm 2> %t/remainder.err
// RUN: %check --check-prefix=REMAINDERERR %s < %t/remainder.err
// RUN: sed -n 's/^\/\/ INIT: //p' %s > %t/init.c
// RUN: %status 2 %quarn %t/init.c %t/init.asm 2> %t/init.err
// RUN: %check --check-prefix=INITERR %s < %t/init.err
//
// QUOTIENT: int x;
// QUOTIENT: int f()
// QUOTIENT: {
// QUOTIENT:     x = x / 0;
// QUOTIENT: }
// QUOTIENTERR:line 5: error: divide by zero detected
//
// REMAINDER: int x;
// REMAINDER: int f()
// REMAINDER: {
// REMAINDER:     if (x % (3 - 3) == 1) x = 0;
// REMAINDER: }
// REMAINDERERR:line 4: error: divide by zero detected
//
// INIT: int x = 4 / 0;
// INITERR:line 2: error: divide by zero detected
