// A sum of a thousand terms compiles and computes its value, folded with -O
// and generated term by term without it.
// RUN: rm -rf %t && mkdir -p %t
// RUN: python3 -c "print('int x; int main() { x = 1; return x' + ' + x' * 999 + '; }')" > %t/sum.c
// RUN: %run %t/sum.c | FileCheck %s
// RUN: %run %t/sum.c -O | FileCheck %s
// RUN: python3 -c "print('int main() { return 1' + ' + 1' * 999 + '; }')" > %t/constant.c
// RUN: %run %t/constant.c -O | FileCheck %s
// CHECK: result: 232
