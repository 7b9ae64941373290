// Conversions, casts, reads through an address and port reads. Widening is
// zero extension (a bool masked to bit 0 first); char(e) of an int retypes; a
// read takes the width of what the address points to; inp loads every pending
// value first. A value converted from or to floating has none: fatal.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
// RUN: echo 'int i; int f() { return i + 1.5; }' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2>&1 | %check --check-prefix=FLOAT %s
// FLOAT:error: expected ID but found ID
// FLOAT-NEXT:line 1: syntax error
// RUN: echo 'int i; struct {} s[4]; int f() { return i + *s; }' > %t/b.c && %status 2 %quarn %t/b.c %t/b.asm 2>&1 | %check --check-prefix=NOVALUE %s
// RUN: echo 'int i; struct {} s[4]; bool f() { return i < *s; }' > %t/c.c && %status 2 %quarn %t/c.c %t/c.asm 2>&1 | %check --check-prefix=NOVALUE %s
// RUN: echo 'void *v; int f() { return *v; }' > %t/d.c && %status 2 %quarn %t/d.c %t/d.asm 2>&1 | %check --check-prefix=NOVALUE %s
// RUN: echo 'void *v; int f() { return ~v; }' > %t/e.c && %status 2 %quarn %t/e.c %t/e.asm 2>&1 | %check --check-prefix=NOVALUE %s
// NOVALUE:line 1: error: undefined type
// A bool beside a floating value gets no conversion node at all.
// RUN: echo 'bool b; struct {} s[4]; int f() { return int(b + *s); }' > %t/g.c && %status 2 %quarn %t/g.c %t/g.asm 2>&1 | %check --check-prefix=FLOAT %s
// RUN: %status 2 %quarn -O %t/g.c %t/g.asm 2>&1 | %check --check-prefix=FLOAT %s
char c; int i, j; bool b; char *p; int *q; struct {} s[4]; struct {} t[4];
char castChar() { return char(i); } // CHECK-LABEL:ZCASTCHAR EQU *
// CHECK: LDA I+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
int castInt() { return int(c); } // CHECK-LABEL:ZCASTINT EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA #0
// CHECK-NEXT: STA BH
int boolInt() { return int(b); } // CHECK-LABEL:ZBOOLINT EQU *
// CHECK: LDA B
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BX
// CHECK-NEXT: AND #1
// CHECK-NEXT: STA BX
// CHECK-NEXT: LDA #0
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: TXS
char boolChar() { return char(b); } // CHECK-LABEL:ZBOOLCHAR EQU *
// CHECK: STA BL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: AND #1
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
// The parser widens a char left of an int sum twice.
int charInt() { return c + i; } // CHECK-LABEL:ZCHARINT EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA #0
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA #0
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA C
// Right of &, a comparison's right operand is widened from bool.
int comparison() { return i & j < i; } // CHECK-LABEL:ZCOMPARISON EQU *
// CHECK: LDA I
// CHECK-NEXT: STA DL
// CHECK: LDA DX
// CHECK-NEXT: AND #1
// A four-byte value cast to char or int keeps its low word in one slot (BX).
void take() { }
void castWide() { take(char(*s), int(*t)); } // CHECK-LABEL:ZCASTWIDE EQU *
// CHECK: STA BX+3
// CHECK-NEXT: LDA BH
// CHECK-NEXT: PHA
// CHECK: STA BX+3
// CHECK-NEXT: LDA BH
char readByte() { return *p; } // CHECK-LABEL:ZREADBYTE EQU *
// CHECK: STA BH
// CHECK-NEXT: LDY #0
// CHECK-NEXT: LDA (BX),Y
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
// The low byte waits in the first free byte while the pointer is read.
int readWord() { return i + *q; } // CHECK-LABEL:ZREADWORD EQU *
// CHECK: LDA (CX),Y
// CHECK-NEXT: STA DL
// CHECK-NEXT: INY
// CHECK-NEXT: LDA (CX),Y
// CHECK-NEXT: STA CX+1
// CHECK-NEXT: LDA DL
// CHECK-NEXT: STA CX
// Four bytes: the pointer is copied two words up and read through there.
int readWide() { return int(*s); } // CHECK-LABEL:ZREADWIDE EQU *
// CHECK: STA BX+1
// CHECK-NEXT: LDY BX
// CHECK-NEXT: LDA BX+1
// CHECK-NEXT: STY DX
// CHECK-NEXT: STA DX+1
// CHECK: STA BX+2
// CHECK-NEXT: INY
// CHECK-NEXT: LDA (DX),Y
// CHECK-NEXT: STA BX+3
// CHECK-NEXT: TXS
int portAfter() { return i + inp(1023); } // CHECK-LABEL:ZPORTAFTER EQU *
// CHECK: LDA I+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA #>1023
// CHECK: LDA (CX),Y
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA #0
// CHECK-NEXT: STA CH
