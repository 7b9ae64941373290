// Constructs of C that the language does not have are refused with a
// diagnostic and exit status 2: break, continue, switch, the empty statement,
// for (;;), ++, --, compound assignment, string and character literals,
// address-of, sizeof, C casts, block comments, typedef, enum, prototypes,
// calls before the definition, return without a value, floating constants in
// code and reading p[i] through a pointer.
// RUN: rm -rf %t && mkdir -p %t && split-file %s %t
// RUN: %status 2 %quarn %t/break.c %t/out.asm 2> %t/break.err
// RUN: %check --check-prefix=BREAK %s < %t/break.err
// RUN: %status 2 %quarn %t/continue.c %t/out.asm 2> %t/continue.err
// RUN: %check --check-prefix=CONTINUE %s < %t/continue.err
// RUN: %status 2 %quarn %t/switch.c %t/out.asm 2> %t/switch.err
// RUN: %check --check-prefix=SWITCH %s < %t/switch.err
// RUN: %status 2 %quarn %t/empty.c %t/out.asm 2> %t/empty.err
// RUN: %check --check-prefix=EMPTY %s < %t/empty.err
// RUN: %status 2 %quarn %t/forever.c %t/out.asm 2> %t/forever.err
// RUN: %check --check-prefix=FOREVER %s < %t/forever.err
// RUN: %status 2 %quarn %t/increment.c %t/out.asm 2> %t/increment.err
// RUN: %check --check-prefix=STEP %s < %t/increment.err
// RUN: %status 2 %quarn %t/decrement.c %t/out.asm 2> %t/decrement.err
// RUN: %check --check-prefix=STEP %s < %t/decrement.err
// RUN: %status 2 %quarn %t/compound.c %t/out.asm 2> %t/compound.err
// RUN: %check --check-prefix=STEP %s < %t/compound.err
// RUN: %status 2 %quarn %t/string.c %t/out.asm 2> %t/string.err
// RUN: %check --check-prefix=LITERAL %s < %t/string.err
// RUN: %status 2 %quarn %t/character.c %t/out.asm 2> %t/character.err
// RUN: %check --check-prefix=LITERAL %s < %t/character.err
// RUN: %status 2 %quarn %t/address.c %t/out.asm 2> %t/address.err
// RUN: %check --check-prefix=ADDRESS %s < %t/address.err
// RUN: %status 2 %quarn %t/sizeof.c %t/out.asm 2> %t/sizeof.err
// RUN: %check --check-prefix=SIZEOF %s < %t/sizeof.err
// RUN: %status 2 %quarn %t/cast.c %t/out.asm 2> %t/cast.err
// RUN: %check --check-prefix=CAST %s < %t/cast.err
// RUN: %status 2 %quarn %t/block-comment.c %t/out.asm 2> %t/block-comment.err
// RUN: %check --check-prefix=COMMENT %s < %t/block-comment.err
// RUN: %status 2 %quarn %t/typedef.c %t/out.asm 2> %t/typedef.err
// RUN: %check --check-prefix=TYPEDEF %s < %t/typedef.err
// RUN: %status 2 %quarn %t/enum.c %t/out.asm 2> %t/enum.err
// RUN: %check --check-prefix=ENUM %s < %t/enum.err
// RUN: %status 2 %quarn %t/prototype.c %t/out.asm 2> %t/prototype.err
// RUN: %check --check-prefix=PROTOTYPE %s < %t/prototype.err
// RUN: %status 2 %quarn %t/call-first.c %t/out.asm 2> %t/call-first.err
// RUN: %check --check-prefix=CALLFIRST %s < %t/call-first.err
// RUN: %status 2 %quarn %t/bare-return.c %t/out.asm 2> %t/bare-return.err
// RUN: %check --check-prefix=RETURN %s < %t/bare-return.err
// RUN: %status 2 %quarn %t/floating.c %t/out.asm 2> %t/floating.err
// RUN: %check --check-prefix=FLOATING %s < %t/floating.err
// RUN: %status 2 %quarn %t/pointer-index.c %t/out.asm 2> %t/pointer-index.err
// RUN: %check --check-prefix=INDEX %s < %t/pointer-index.err

// BREAK:error: expected statement such as if, while, or return but found break
// BREAK-NEXT:line 1: syntax error
// CONTINUE:error: expected statement such as if, while, or return but found continue
// SWITCH:error: expected statement such as if, while, or return but found switch
// EMPTY:error: expected statement such as if, while, or return but found ;
// FOREVER:error: expected ID but found ;
// FOREVER-NEXT:line 1: syntax error
// STEP:error: what do you want me to do with IZMAIN
// STEP-NEXT:line 1: syntax error
// LITERAL:error: expected ID but found ID
// LITERAL-NEXT:line 1: syntax error
// ADDRESS:error: expected ID but found &
// SIZEOF:error: expected ID but found sizeof
// CAST:error: expected ( but found )
// COMMENT:error: expected statement such as if, while, or return but found /
// TYPEDEF:error: expected extern or static but found typedef
// ENUM:error: expected extern or static but found enum
// PROTOTYPE:error: expected { but found ;
// PROTOTYPE-NEXT:line 2: syntax error
// CALLFIRST:line 1: error: undefined symbol
// RETURN:error: expected ID but found ;
// RETURN-NEXT:line 1: syntax error
// FLOATING:line 1: error: undefined type
// INDEX:line 1: error: expected array name

//--- break.c
int main() { int i; i = 0; while (1) { break; } return i; }
//--- continue.c
int main() { int i; i = 0; while (1) { continue; } return i; }
//--- switch.c
int main() { int i; i = 0; switch (i) { } return i; }
//--- empty.c
int main() { int i; i = 0; ; return i; }
//--- forever.c
int main() { int i; for (;;) { } return 0; }
//--- increment.c
int main() { int i; i = 0; i++; return i; }
//--- decrement.c
int main() { int i; i = 0; i--; return i; }
//--- compound.c
int main() { int i; i = 0; i += 2; return i; }
//--- string.c
int main() { int i; i = "a"; return i; }
//--- character.c
int main() { int i; i = 'a'; return i; }
//--- address.c
int main() { int i; int *p; p = &i; return i; }
//--- sizeof.c
int main() { int i; i = sizeof(int); return i; }
//--- cast.c
int main() { int i; char c; c = 1; i = (int)c; return i; }
//--- block-comment.c
int main() { /* a comment */ return 1; }
//--- typedef.c
typedef int number;
//--- enum.c
enum colour { RED };
//--- prototype.c
int g();
int main() { return g(); }
//--- call-first.c
int main() { return g(1); }
int g(int a) { return a; }
//--- bare-return.c
void f() { return; }
//--- floating.c
int main() { int x; x = 3; x = x + 1.5; return x; }
//--- pointer-index.c
int a[3]; int main() { int *p; p = a; return p[1]; }
