// A name declared twice in one scope is fatal; a parameter or local may
// reuse a file-level name, but not the name of another parameter or local.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 2 %quarn %s %t/out.asm 2> %t/err
// RUN: %check --check-prefix=ERR %s < %t/err
// RUN: printf 'int a;\nint f(int a,\n int a)\n{\n}\n' > %t/parameter.c
// RUN: %status 2 %quarn %t/parameter.c %t/parameter.asm 2> %t/parameter.err
// RUN: %check --check-prefix=PARAMETER %s < %t/parameter.err
// RUN: printf 'int f(int a)\n{\n char b;\n int a;\n}\n' > %t/local.c
// RUN: %status 2 %quarn %t/local.c %t/local.asm 2> %t/local.err
// RUN: %check --check-prefix=LOCAL %s < %t/local.err
int x;
char y, x;
// ERR:line 13: symbol redefinition
// ERR-NOT:{{.}}
// PARAMETER:line 3: symbol redefinition
// LOCAL:line 4: symbol redefinition
