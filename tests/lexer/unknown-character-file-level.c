// A character that is no token of the language comes back as its own code;
// at file level it ends the compilation with the file-level syntax error.
// The scanner reads the character after an operator character to try a
// two-character operator, so a newline right after '@' is counted at once.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 2 %quarn %s %t/out.asm 2> %t/err
// RUN: %check --check-prefix=ERR %s < %t/err
// RUN: printf 'int x;\n\n$y;\n' > %t/dollar.c
// RUN: %status 2 %quarn %t/dollar.c %t/dollar.asm 2> %t/dollar.err
// RUN: %check --check-prefix=DOLLAR %s < %t/dollar.err
// RUN: printf 'int x;\n\310\n' > %t/high.c
// RUN: %status 2 %quarn %t/high.c %t/high.asm 2> %t/high.err
// RUN: %check --check-prefix=HIGH %s < %t/high.err
int x;
@
// ERR:error: expected extern or static but found ID
// ERR-NEXT:line 16: syntax error
// ERR-NOT:{{.}}
// DOLLAR:error: expected extern or static but found ID
// DOLLAR-NEXT:line 3: syntax error
// HIGH:error: expected extern or static but found ID
// HIGH-NEXT:line 2: syntax error
