// A parameter, local, static local or label is printed under its name, "@"
// and the function's name: 255 characters of that fit, one more stops with
// "error: name too long" rather than printing a cut label.
// RUN: rm -rf %t && mkdir -p %t
// RUN: python3 -c "f = 'f' * 200; print('int %%s(int %%s) { int %%s; static int %%s; %%s: goto %%s; }' %% (f, 'p' * 54, 'a' * 54, 's' * 54, 'l' * 54, 'l' * 54))" > %t/fits.c
// RUN: %quarn %t/fits.c %t/fits.asm
// RUN: %check --check-prefix=FITS %s < %t/fits.asm
// RUN: python3 -c "print('int %%s(int %%s) { }' %% ('f' * 200, 'p' * 55))" > %t/param.c
// RUN: %status 2 %quarn %t/param.c %t/param.asm 2> %t/err && %check %s < %t/err
// RUN: python3 -c "print('int %%s() { int %%s; }' %% ('f' * 200, 'a' * 55))" > %t/local.c
// RUN: %status 2 %quarn %t/local.c %t/local.asm 2> %t/err && %check %s < %t/err
// RUN: python3 -c "print('int %%s() { static int %%s; }' %% ('f' * 200, 's' * 55))" > %t/static.c
// RUN: %status 2 %quarn %t/static.c %t/static.asm 2> %t/err && %check %s < %t/err
// RUN: python3 -c "print('int %%s() {\n%%s: goto %%s; }' %% ('f' * 200, 'l' * 55, 'l' * 55))" > %t/label.c
// RUN: %status 2 %quarn %t/label.c %t/label.asm 2> %t/err && %check --check-prefix=LABEL %s < %t/err
// FITS:{{(P{54}ZF{200})}} EQU $0004
// FITS:{{(A{54}ZF{200})}} EQU $FFFF
// FITS:{{(S{54}ZF{200})}} DS 2
// FITS:{{(ZL{54}ZF{200})}} EQU *
// FITS: JMP {{(ZL{54}ZF{200})}}
// CHECK:line 1: error: name too long
// CHECK-NOT:{{.}}
// LABEL:line 2: error: name too long
// LABEL-NOT:{{.}}
