// Source lines have no length limit: a line of a million characters of code
// or of comment compiles, and the lines after it keep their numbers. Only an
// inline assembly line is bounded: 254 characters and its newline are copied
// as they stand; a longer one stops with "error: line too long" instead of
// being cut, joined to the next output line and read on as C.
// RUN: rm -rf %t && mkdir -p %t
// RUN: python3 -c "print('char x; void f() {' + ' x = x + 1;' * 100000 + ' }')" > %t/code.c
// RUN: python3 -c "print('int y;  ' + '//' + '-' * 1000000); print('int z;'); print('#' + '#' * 1000000); print('@;')" >> %t/code.c
// RUN: %status 2 %quarn %t/code.c %t/code.asm 2> %t/code.err
// RUN: %check --check-prefix=CODE %s < %t/code.err
// RUN: %check --check-prefix=CODEASM %s < %t/code.asm
// RUN: python3 -c "print('int main()\n{\n    asm ' + 'N' * 254 + '\n    return 1;\n}')" > %t/asm254.c
// RUN: %quarn %t/asm254.c %t/asm254.asm
// RUN: %check --check-prefix=ASM254 %s < %t/asm254.asm
// RUN: python3 -c "print('int main()\n{\n    asm ' + 'N' * 255 + '\n    return 1;\n}')" > %t/asm255.c
// RUN: %status 2 %quarn %t/asm255.c %t/asm255.asm 2> %t/asm255.err
// RUN: %check --check-prefix=TOOLONG %s < %t/asm255.err
// RUN: python3 -c "print('int main()\n{\n    asm NOP' + ' ' * 300 + '\n    return 1;\n}')" > %t/blanks.c
// RUN: %status 2 %quarn %t/blanks.c %t/blanks.asm 2> %t/blanks.err
// RUN: %check --check-prefix=TOOLONG %s < %t/blanks.err
// CODE:error: expected extern or static but found ID
// CODE-NEXT:line 5: syntax error
// CODEASM:ZF EQU *
// CODEASM: LDA X
// CODEASM:Z DS 2
// ASM254:{{ (N{254})}}
// ASM254-NEXT:* return {{$}}
// TOOLONG:line 3: error: line too long
// TOOLONG-NOT:{{.}}
