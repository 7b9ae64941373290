// Every construct that nests counts toward the 200 levels: casts, calls,
// index brackets, dereferences, complements, qualifier runs, else-if chains
// and loop bodies each compile at 200 levels and stop with "error: nesting
// too deep" at 201, instead of exhausting the compiler's stack.
// RUN: rm -rf %t && mkdir -p %t
// RUN: python3 -c "print('int a; int main() { return ' + 'char(' * 200 + 'a' + ')' * 200 + '; }')" > %t/casts200.c
// RUN: %quarn %t/casts200.c %t/out.asm
// RUN: python3 -c "print('int a; int main() { return ' + 'char(' * 201 + 'a' + ')' * 201 + '; }')" > %t/casts201.c
// RUN: %status 2 %quarn %t/casts201.c %t/out.asm 2> %t/err && %check %s < %t/err
// RUN: python3 -c "print('int f(int a) { return a; } int main() { return ' + 'f(' * 200 + '1' + ')' * 200 + '; }')" > %t/calls200.c
// RUN: %quarn %t/calls200.c %t/out.asm
// RUN: python3 -c "print('int f(int a) { return a; } int main() { return ' + 'f(' * 201 + '1' + ')' * 201 + '; }')" > %t/calls201.c
// RUN: %status 2 %quarn %t/calls201.c %t/out.asm 2> %t/err && %check %s < %t/err
// RUN: python3 -c "print('int a[4]; int main() { return ' + 'a[' * 201 + '1' + ']' * 201 + '; }')" > %t/index201.c
// RUN: %status 2 %quarn %t/index201.c %t/out.asm 2> %t/err && %check %s < %t/err
// RUN: python3 -c "print('int *p; int main() { return ' + '*' * 200 + 'p; }')" > %t/deref200.c
// RUN: %quarn %t/deref200.c %t/out.asm
// RUN: python3 -c "print('int *p; int main() { return ' + '*' * 201 + 'p; }')" > %t/deref201.c
// RUN: %status 2 %quarn %t/deref201.c %t/out.asm 2> %t/err && %check %s < %t/err
// RUN: python3 -c "print('int a; int main() { return ' + '!~' * 100 + 'a; }')" > %t/not200.c
// RUN: %quarn -O %t/not200.c %t/out.asm
// RUN: python3 -c "print('int a; int main() { return ' + '!~' * 100 + '-a; }')" > %t/not201.c
// RUN: %status 2 %quarn -O %t/not201.c %t/out.asm 2> %t/err && %check %s < %t/err
// RUN: python3 -c "print('const ' * 200 + 'int x = 1;')" > %t/const200.c
// RUN: %quarn %t/const200.c %t/out.asm
// RUN: python3 -c "print('const ' * 100 + 'signed ' * 101 + 'int x;')" > %t/qualifiers201.c
// RUN: %status 2 %quarn %t/qualifiers201.c %t/out.asm 2> %t/err && %check %s < %t/err
// RUN: python3 -c "print('char k; int main() { if (k) k = 1;' + ' else if (k) k = 1;' * 198 + '}')" > %t/elseif200.c
// RUN: %quarn %t/elseif200.c %t/out.asm
// RUN: python3 -c "print('char k; int main() { if (k) k = 1;' + ' else if (k) k = 1;' * 199 + '}')" > %t/elseif201.c
// RUN: %status 2 %quarn %t/elseif201.c %t/out.asm 2> %t/err && %check %s < %t/err
// RUN: python3 -c "print('char k; int main() { ' + 'for (k = 0; k; k = 1) ' * 199 + 'k = 1; }')" > %t/for200.c
// RUN: %quarn %t/for200.c %t/out.asm
// RUN: python3 -c "print('char k; int main() { ' + 'for (k = 0; k; k = 1) ' * 200 + 'k = 1; }')" > %t/for201.c
// RUN: %status 2 %quarn %t/for201.c %t/out.asm 2> %t/err && %check %s < %t/err
// CHECK:line 1: error: nesting too deep
// CHECK-NOT:{{.}}
