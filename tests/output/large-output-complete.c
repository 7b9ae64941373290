// An output several times larger than the compiler's output buffer is
// written whole: the program assembles and returns the sum it computes, and a
// fatal error at the end of the same source keeps every line before the
// trailer.
// RUN: rm -rf %t && mkdir -p %t
// RUN: python3 %S/Inputs/large-output-source.py > %t/big.c
// RUN: %run %t/big.c | FileCheck %s
// RUN: %quarn %t/big.c %t/big.asm
// RUN: cp %t/big.c %t/broken.c && echo "int x" >> %t/broken.c
// RUN: %status 2 %quarn %t/broken.c %t/broken.asm
// RUN: head -n -4 %t/big.asm > %t/expected.asm
// RUN: diff %t/expected.asm %t/broken.asm
// The functions add 0 to 999 to an int: 499500 is 40748 modulo 65536, whose
// low byte is 44.
// CHECK: result: 44
