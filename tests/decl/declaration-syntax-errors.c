// Declarations have no recovery: a token out of place is the fatal failed match
// (status 2). An initialised declaration has one name and no dimension, and an
// initialiser cannot begin with '(' or '['; a dimension is an integer constant
// (a constant is spelled ID in the message); parameters are a type and a name
// each; a function needs its body; a name is declared once per scope.
// RUN: rm -rf %t && mkdir -p %t && split-file %s %t
// RUN: %status 2 %quarn %t/array-init.c %t/out.asm 2> %t/array-init.err
// RUN: %check --check-prefix=ASSIGN %s < %t/array-init.err
// RUN: %status 2 %quarn %t/two-init.c %t/out.asm 2> %t/two-init.err
// RUN: %check --check-prefix=COMMA %s < %t/two-init.err
// RUN: %status 2 %quarn %t/array-list.c %t/out.asm 2> %t/array-list.err
// RUN: %check --check-prefix=COMMA %s < %t/array-list.err
// RUN: %status 2 %quarn %t/paren-init.c %t/out.asm 2> %t/paren-init.err
// RUN: %check --check-prefix=PAREN %s < %t/paren-init.err
// RUN: %status 2 %quarn %t/bracket-init.c %t/out.asm 2> %t/bracket-init.err
// RUN: %check --check-prefix=BRACKET %s < %t/bracket-init.err
// RUN: %status 2 %quarn %t/dimension.c %t/out.asm 2> %t/dimension.err
// RUN: %check --check-prefix=DIMENSION %s < %t/dimension.err
// RUN: %status 2 %quarn %t/unclosed.c %t/out.asm 2> %t/unclosed.err
// RUN: %check --check-prefix=UNCLOSED %s < %t/unclosed.err
// RUN: %status 2 %quarn %t/missing-name.c %t/out.asm 2> %t/missing-name.err
// RUN: %check --check-prefix=NONAME %s < %t/missing-name.err
// RUN: %status 2 %quarn %t/void-parameter.c %t/out.asm 2> %t/void-parameter.err
// RUN: %check --check-prefix=VOIDPARAM %s < %t/void-parameter.err
// RUN: %status 2 %quarn %t/array-parameter.c %t/out.asm 2> %t/array-parameter.err
// RUN: %check --check-prefix=ARRAYPARAM %s < %t/array-parameter.err
// RUN: %status 2 %quarn %t/no-body.c %t/out.asm 2> %t/no-body.err
// RUN: %check --check-prefix=NOBODY %s < %t/no-body.err
// RUN: %status 2 %quarn %t/twice.c %t/out.asm 2> %t/twice.err
// RUN: %check --check-prefix=TWICE %s < %t/twice.err
// RUN: %status 2 %quarn %t/local-as-parameter.c %t/out.asm 2> %t/local-as-parameter.err
// RUN: %check --check-prefix=TWICE %s < %t/local-as-parameter.err
// RUN: %status 2 %quarn %t/local-init-list.c %t/out.asm 2> %t/local-init-list.err
// RUN: %check --check-prefix=COMMA %s < %t/local-init-list.err

// ASSIGN:error: expected ; but found =
// ASSIGN-NEXT:line 1: syntax error
// COMMA:error: expected ; but found ,
// COMMA-NEXT:line 1: syntax error
// PAREN:error: expected ; but found (
// PAREN-NEXT:line 1: syntax error
// BRACKET:error: expected ; but found [
// BRACKET-NEXT:line 1: syntax error
// DIMENSION:error: expected ID but found ID
// DIMENSION-NEXT:line 1: syntax error
// UNCLOSED:error: expected ] but found ;
// UNCLOSED-NEXT:line 1: syntax error
// NONAME:error: expected ID but found ;
// NONAME-NEXT:line 1: syntax error
// VOIDPARAM:error: expected ID but found )
// VOIDPARAM-NEXT:line 1: syntax error
// ARRAYPARAM:error: expected ) but found [
// ARRAYPARAM-NEXT:line 1: syntax error
// NOBODY:error: expected { but found ;
// NOBODY-NEXT:line 1: syntax error
// TWICE:line 1: symbol redefinition

//--- array-init.c
int a[3] = 5;
//--- two-init.c
int x = 1, y;
//--- array-list.c
int a[2], b;
//--- paren-init.c
int x = (5);
//--- bracket-init.c
int x = [5];
//--- dimension.c
int a[n];
//--- unclosed.c
int a[2; // no ]
//--- missing-name.c
int a, ; // no name
//--- void-parameter.c
void f(void) {}
//--- array-parameter.c
void f(int a[2]) {}
//--- no-body.c
void f(); // no prototypes
//--- twice.c
int x; int x;
//--- local-as-parameter.c
void f(int a) { int a; }
//--- local-init-list.c
void f() { int i = 1, j; }
