// Specifiers the language refuses stop the compilation (status 2) at the
// offending token: long, float and double are not declaration types, unsigned
// needs a type after it, only one '*' is read (none after bool), a struct body
// must be empty and its tag cannot be declared twice, and a void object has no size.
// RUN: rm -rf %t && mkdir -p %t && split-file %s %t
// RUN: %status 2 %quarn %t/long.c %t/out.asm 2> %t/long.err
// RUN: %check --check-prefix=LONG %s < %t/long.err
// RUN: %status 2 %quarn %t/float.c %t/out.asm 2> %t/float.err
// RUN: %check --check-prefix=FLOAT %s < %t/float.err
// RUN: %status 2 %quarn %t/double.c %t/out.asm 2> %t/double.err
// RUN: %check --check-prefix=DOUBLE %s < %t/double.err
// RUN: %status 2 %quarn %t/unsigned.c %t/out.asm 2> %t/unsigned.err
// RUN: %check --check-prefix=UNSIGNED %s < %t/unsigned.err
// RUN: %status 2 %quarn %t/two-stars.c %t/out.asm 2> %t/two-stars.err
// RUN: %check --check-prefix=STARS %s < %t/two-stars.err
// RUN: %status 2 %quarn %t/bool-pointer.c %t/out.asm 2> %t/bool-pointer.err
// RUN: %check --check-prefix=STARS %s < %t/bool-pointer.err
// RUN: %status 2 %quarn %t/member.c %t/out.asm 2> %t/member.err
// RUN: %check --check-prefix=MEMBER %s < %t/member.err
// RUN: %status 2 %quarn %t/tag-twice.c %t/out.asm 2> %t/tag-twice.err
// RUN: %check --check-prefix=TAG %s < %t/tag-twice.err
// RUN: %status 2 %quarn %t/void-global.c %t/out.asm 2> %t/void-global.err
// RUN: %check --check-prefix=VOID %s < %t/void-global.err
// RUN: %status 2 %quarn %t/void-local.c %t/out.asm 2> %t/void-local.err
// RUN: %check --check-prefix=VOID %s < %t/void-local.err
// RUN: %status 2 %quarn %t/extern-alone.c %t/out.asm 2> %t/extern-alone.err
// RUN: %check --check-prefix=EXTERN %s < %t/extern-alone.err
// RUN: python3 -c "print('const ' * 200 + 'int deep;')" > %t/deep-ok.c
// RUN: %quarn %t/deep-ok.c %t/deep-ok.asm
// RUN: %check --check-prefix=DEEPOK %s < %t/deep-ok.asm
// RUN: python3 -c "print('const ' * 201 + 'int deep;')" > %t/deep.c
// RUN: %status 2 %quarn %t/deep.c %t/out.asm 2> %t/deep.err
// RUN: %check --check-prefix=DEEP %s < %t/deep.err

// LONG:error: expected type but found long
// LONG-NEXT:line 1: syntax error
// FLOAT:error: expected type but found float
// FLOAT-NEXT:line 1: syntax error
// DOUBLE:error: expected type but found double
// DOUBLE-NEXT:line 1: syntax error
// UNSIGNED:error: expected type but found ID
// UNSIGNED-NEXT:line 1: syntax error
// STARS:error: expected ID but found *
// STARS-NEXT:line 1: syntax error
// MEMBER:error: expected } but found int
// MEMBER-NEXT:line 1: syntax error
// TAG:line 1: symbol redefinition
// VOID:line 1: error: undefined symbol
// EXTERN:error: expected type but found ;
// EXTERN-NEXT:line 1: syntax error
// Qualifiers and signedness each read a whole specifier after them: 200 in a
// row are accepted, 201 are refused.
// DEEPOK:DEEP DS 2
// DEEP:line 1: error: nesting too deep

//--- long.c
long x;
//--- float.c
float f;
//--- double.c
double d;
//--- unsigned.c
unsigned u;
//--- two-stars.c
char **p;
//--- bool-pointer.c
bool *b;
//--- member.c
struct s { int m; } v;
//--- tag-twice.c
struct s {} a; struct s {} b;
//--- void-global.c
void v; int w;
//--- void-local.c
void f() { void v; }
//--- extern-alone.c
extern; // no type follows
