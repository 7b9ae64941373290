// Statements may nest 200 deep (the innermost statement counts); one level more stops with "error: nesting too deep" instead of exhausting the compiler's stack.
// RUN: rm -rf %t && mkdir -p %t
// RUN: python3 -c "print('int main() {' + '{' * 199 + 'asm NOP' + chr(10) + '}' * 200)" > %t/blocks200.c
// RUN: %quarn %t/blocks200.c %t/blocks200.asm
// RUN: %check --check-prefix=OK %s < %t/blocks200.asm
// RUN: python3 -c "print('char k; int main() {' + 'if (k) ' * 199 + 'asm NOP' + chr(10) + '}')" > %t/ifs200.c
// RUN: %quarn %t/ifs200.c %t/ifs200.asm
// RUN: %check --check-prefix=OK %s < %t/ifs200.asm
// RUN: python3 -c "print('int main() {' + '{' * 200 + 'asm NOP' + chr(10) + '}' * 201)" > %t/blocks201.c
// RUN: %status 2 %quarn %t/blocks201.c %t/blocks201.asm 2> %t/blocks201.err
// RUN: %check --check-prefix=DEEP %s < %t/blocks201.err
// RUN: python3 -c "print('char k; int main() {' + 'while (k) ' * 100 + 'do ' * 100 + 'asm NOP' + chr(10) + 'while (k);' * 100 + '}')" > %t/loops201.c
// RUN: %status 2 %quarn %t/loops201.c %t/loops201.asm 2> %t/loops201.err
// RUN: %check --check-prefix=DEEP %s < %t/loops201.err
// OK: NOP
// DEEP:line 1: error: nesting too deep
