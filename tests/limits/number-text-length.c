// A floating constant is kept as text for its conversion: integer part,
// point, fraction and exponent together may take 43 characters; one more
// stops with "error: number too long" whichever part is the long one.
// RUN: rm -rf %t && mkdir -p %t
// RUN: python3 -c "print('int a = 1.' + '0' * 41 + ';'); print('int b = 1.' + '0' * 38 + 'e+1;'); print('int c = 1.5e' + '0' * 38 + '2;')" > %t/fits.c
// RUN: %status 1 %quarn %t/fits.c %t/fits.asm 2> %t/fits.err
// RUN: %check --check-prefix=FITS %s < %t/fits.asm
// RUN: python3 -c "print('int x;'); print('int a = 1.' + '0' * 42 + ';')" > %t/fraction.c
// RUN: %status 2 %quarn %t/fraction.c %t/fraction.asm 2> %t/err && %check %s < %t/err
// RUN: python3 -c "print('int x;'); print('int a = 1.' + '0' * 39 + 'e+1;')" > %t/exponent.c
// RUN: %status 2 %quarn %t/exponent.c %t/exponent.asm 2> %t/err && %check %s < %t/err
// RUN: python3 -c "print('int x;'); print('int a = 1.5e' + '0' * 39 + '2;')" > %t/digits.c
// RUN: %status 2 %quarn %t/digits.c %t/digits.asm 2> %t/err && %check %s < %t/err
// RUN: python3 -c "print('int x;'); print('int a = ' + '1' * 30 + '.' + '0' * 13 + ';')" > %t/integer.c
// RUN: %status 2 %quarn %t/integer.c %t/integer.asm 2> %t/err && %check %s < %t/err
// FITS:A: DW 1
// FITS:B: DW 10
// FITS:C: DW 150
// CHECK:line 2: error: number too long
// CHECK-NOT:{{.}}
