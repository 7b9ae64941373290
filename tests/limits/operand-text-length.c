// A variable read inside an expression is named by an operand text of at
// most 63 characters: a char global by its name, an int global also by
// "name+1", a frame variable by "$0101+name,X" with the function's suffix.
// Names one character longer than fits stop with "error: name too long".
// RUN: rm -rf %t && mkdir -p %t
// RUN: python3 -c "c = 'c' * 63; i = 'i' * 61; print('char %%s; int %%s; int main() { int %%s; return %%s + %%s + %%s; }' %% (c, i, 'a' * 50, c, i, 'a' * 50))" > %t/fits.c
// RUN: %quarn %t/fits.c %t/fits.asm
// RUN: %check --check-prefix=FITS %s < %t/fits.asm
// RUN: python3 -c "c = 'c' * 64; print('char %%s; int main() { return %%s; }' %% (c, c))" > %t/char.c
// RUN: %status 2 %quarn %t/char.c %t/char.asm 2> %t/err && %check %s < %t/err
// RUN: python3 -c "i = 'i' * 62; print('int %%s; int main() { return %%s; }' %% (i, i))" > %t/int.c
// RUN: %status 2 %quarn %t/int.c %t/int.asm 2> %t/err && %check %s < %t/err
// RUN: python3 -c "a = 'a' * 51; print('int main() { char %%s; return %%s; }' %% (a, a))" > %t/local.c
// RUN: %status 2 %quarn %t/local.c %t/local.asm 2> %t/err && %check %s < %t/err
// FITS: LDA {{(C{63})}}
// FITS: ADC {{(I{61})}}+1
// FITS: ADC $0101+{{(A{50})}}ZMAIN,X
// CHECK:line 1: error: name too long
// CHECK-NOT:{{.}}
