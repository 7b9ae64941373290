// A token that cannot start a file-level declaration is an error, not fatal:
// tokens are skipped up to the next '}' or the end, nothing after it is
// compiled, the trailer is still written and the status is 2.
// RUN: rm -rf %t && mkdir -p %t && split-file %s %t
// RUN: %status 2 %quarn %t/stray.c %t/stray.asm 2> %t/stray.err
// RUN: %check --check-prefix=STRAY %s < %t/stray.err
// RUN: %check --check-prefix=STRAYASM %s < %t/stray.asm
// RUN: %status 2 %quarn %t/brace.c %t/brace.asm 2> %t/brace.err
// RUN: %check --check-prefix=BRACE %s < %t/brace.err
// RUN: %check --check-prefix=BRACEASM %s < %t/brace.asm
// RUN: %status 2 %quarn %t/keyword.c %t/keyword.asm 2> %t/keyword.err
// RUN: %check --check-prefix=KEYWORD %s < %t/keyword.err
// RUN: %check --check-prefix=KEYWORDASM %s < %t/keyword.asm

// A stray identifier after a function: the skip stops at the '}' on line 5,
// so neither b nor g is compiled.
// STRAY:error: expected extern or static but found ID
// STRAY-NEXT:line 4: syntax error
// STRAYASM:A DS 2
// STRAYASM:ZF EQU *
// STRAYASM: RTS
// STRAYASM-NEXT: DB 81
// STRAYASM-NEXT: DB 88
// STRAYASM-NEXT:* 
// STRAYASM-NEXT:* END * ZMAIN

// A '}' at file level stops at once; so does the end of the input when no '}'
// follows the bad token.
// BRACE:error: expected extern or static but found }
// BRACE-NEXT:line 1: syntax error
// BRACEASM:A DS 2
// BRACEASM-NEXT: DB 81
// KEYWORD:error: expected extern or static but found register
// KEYWORD-NEXT:line 1: syntax error
// KEYWORDASM: JMP ZMAIN
// KEYWORDASM-NEXT: DB 81

//--- stray.c
int a;
void f()
{}
stray x = 1; int c;
} int b;
void g() {}
//--- brace.c
int a; } int b;
//--- keyword.c
register int r;
int s;
