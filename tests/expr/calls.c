// Calls: live words are pushed highest first; each argument is pushed high
// byte first as soon as it is generated (two bytes, four for a struct element);
// after the JSR the argument bytes (254 at most) are added to SP with X parked
// in BP. The result moves from BX above the live words, pulled back BX first.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
// RUN: python3 -c "print('void t() {} int main() { t(' + '1, ' * 126 + '1); t(' + '1, ' * 127 + '1); }')" > %t/many.c
// RUN: %status 2 %quarn %t/many.c %t/many.asm 2>&1 | %check --check-prefix=MANY %s
// MANY:line 1: error: too many arguments
// RUN: %check --check-prefix=MANYASM %s < %t/many.asm
// MANYASM: ADC #$FE
// MANYASM-NOT: JSR
// RUN: echo 'void g(int i) {} int f() { g(1.5); }' > %t/b.c && %status 2 %quarn %t/b.c %t/b.asm 2>&1 | %check --check-prefix=FLOAT %s
// FLOAT:line 1: error: undefined argument type
// RUN: echo 'int a; int v() {} int f() { return a + (a + (a + (a + (a + (a + (a + v())))))); }' > %t/c.c
// RUN: %status 2 %quarn %t/c.c %t/c.asm 2>&1 | %check --check-prefix=COMPLEX %s
// COMPLEX:line 1: error: expression too complex
// RUN: %check --check-prefix=COMPLEXASM %s < %t/c.asm
// COMPLEXASM:* return {{$}}
// COMPLEXASM-NOT: PHA
char alpha; int gamma, xval, yval; char *text; struct {} s[4];
void take() { }
int f(int v) { return v; }
int two(int a, int b) { return a; }
void widths() { take(alpha, gamma, *s, text); } // CHECK-LABEL:ZWIDTHS EQU *
// CHECK: LDA ALPHA
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BH
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA BL
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA GAMMA
// CHECK: STA BX+3
// CHECK-NEXT: LDA CH
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA CL
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA BH
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA BL
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA TEXT
// CHECK: JSR ZTAKE
// CHECK-NEXT: STX BP
// CHECK-NEXT: TSX
// CHECK-NEXT: TXA
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC #$0A
// CHECK-NEXT: TAX
// CHECK-NEXT: TXS
// CHECK-NEXT: LDX BP
// CHECK-NEXT: TXS
int live() { return yval + f(xval); } // CHECK-LABEL:ZLIVE EQU *
// CHECK: STA BH
// CHECK-NEXT: LDA BX+1
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA BX
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA XVAL
// CHECK: LDX BP
// CHECK-NEXT: LDA BX
// CHECK-NEXT: STA CX
// CHECK-NEXT: LDA BX+1
// CHECK-NEXT: STA CX+1
// CHECK-NEXT: PLA
// CHECK-NEXT: STA BX
// CHECK-NEXT: PLA
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA BL
// In an assignment the target address (BX) is live too: CX is pushed first,
// the result goes to DX, BX comes back first.
void assign() { xval = yval + f(xval); } // CHECK-LABEL:ZASSIGN EQU *
// CHECK: LDA CX+1
// CHECK-NEXT: PHA
// CHECK: LDX BP
// CHECK-NEXT: LDA BX
// CHECK-NEXT: STA DX
// CHECK: STA BX+1
// CHECK-NEXT: PLA
// CHECK-NEXT: STA CX
// An argument's call finds nothing live; every argument is pushed at once.
int nested() { return two(xval, f(f(yval))); } // CHECK-LABEL:ZNESTED EQU *
// CHECK: LDA BL
// CHECK-NEXT: PHA
// CHECK-NEXT: LDA YVAL
// CHECK: LDX BP
// CHECK-NEXT: LDA BH
// CHECK-NEXT: PHA
// CHECK: JSR ZTWO
// CHECK: ADC #$04
int empty() { take(); return gamma + f(); } // CHECK-LABEL:ZEMPTY EQU *
// CHECK: TSX
// CHECK-NEXT: JSR ZTAKE
// CHECK-NEXT:* return {{$}}
// CHECK: JSR ZF
// CHECK-NEXT: LDA BX
// CHECK-NEXT: STA CX
