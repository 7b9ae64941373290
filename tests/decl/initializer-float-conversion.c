// A floating initial value given to an integral object is truncated toward zero,
// with a line-numbered warning each time; the run completes with status 1.
// RUN: rm -rf %t && mkdir -p %t && %status 1 %quarn %s %t/out.asm 2> %t/err
// RUN: %check %s < %t/out.asm
// RUN: %check --check-prefix=ERR %s < %t/err
// ERR:line [[@LINE+1]]: conversion from floating point type to integral, possible loss of data
int half = 1.5; // becomes 1
// ERR-NEXT:line [[@LINE+1]]: conversion from floating point type to integral, possible loss of data
int negative = -2.7; // becomes -2, not -3
// ERR-NEXT:line [[@LINE+1]]: conversion from floating point type to integral, possible loss of data
char product = 1.5 * 2; // folds to the floating 3.0
int plain = 4; // no warning
// CHECK:HALF: DW 1
// CHECK:NEGATIVE: DW -2
// CHECK:PRODUCT: DFB 3
// CHECK:PLAIN: DW 4
