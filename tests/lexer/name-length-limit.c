// A name may have 255 characters; the 256th stops the compilation with the
// line-numbered compiler error.
// RUN: rm -rf %t && mkdir -p %t
// RUN: python3 -c "print('int x;'); print('char ' + 'n' * 255 + ';')" > %t/ok.c
// RUN: %quarn %t/ok.c %t/ok.asm
// RUN: %check --check-prefix=OK %s < %t/ok.asm
// RUN: python3 -c "print('int x;'); print(); print('char ' + 'n' * 256 + ';')" > %t/long.c
// RUN: %status 2 %quarn %t/long.c %t/long.asm 2> %t/long.err
// RUN: %check --check-prefix=LONG %s < %t/long.err
// OK:{{N{255,255}[ ]}}DS 1
// LONG:line 3: compiler error
// LONG-NOT:{{.}}
