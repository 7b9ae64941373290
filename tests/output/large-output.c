// 230 KB of output (1000 functions adding their number to a global) are
// written whole: the program sums 499500, 40748 in 16 bits, low byte 44. A
// fatal error at the end of the same source keeps every line but the trailer.
// RUN: rm -rf %t && mkdir -p %t && python3 -c "n = range(1000); print('int total;', *('void add%%d() { total = total + %%d; }' %% (k, k) for k in n), 'int main() {', *('add%%d();' %% k for k in n), 'return total; }')" > %t/big.c
// RUN: %run %t/big.c | %check %s
// CHECK:result: 44
// RUN: %quarn %t/big.c %t/big.asm && cp %t/big.c %t/broken.c && echo "int x" >> %t/broken.c
// RUN: %status 2 %quarn %t/broken.c %t/broken.asm && head -n -4 %t/big.asm > %t/expected.asm && diff %t/expected.asm %t/broken.asm
