// Comparisons leave $FF or 0 in the low byte of the left slot and take two
// label numbers each, written or not. == and != subtract byte by byte; < and
// >= subtract right from left, > and <= left from right. Signed tails fold the
// overflow into the sign, unsigned ones keep the borrow (values.c: which).
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
int x, y; char c, d; signed int m, n; unsigned int u, v; unsigned char *p; unsigned char *q; bool b;
struct {} s[4]; struct {} t[4];
bool equal2() { return x == y; } // CHECK-LABEL:ZEQUAL2 EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA X
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC Y
// CHECK-NEXT: BNE LL2
// CHECK-NEXT: LDA X+1
// CHECK-NEXT: SBC Y+1
// CHECK-NEXT: BEQ LL1
// CHECK-NEXT:LL2 EQU *
// CHECK-NEXT: LDA #$0FF
// CHECK-NEXT:LL1 EQU *
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
bool equal1() { return c != d; } // CHECK-LABEL:ZEQUAL1 EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA C
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC D
// CHECK-NEXT: BEQ LL3
// CHECK-NEXT:LL4 EQU *
// CHECK-NEXT: LDA #$0FF
// CHECK-NEXT:LL3 EQU *
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
// Four bytes; the result is a two-byte slot, so b is bound to CX.
bool equal4() { return (*s == *t) == b; } // CHECK-LABEL:ZEQUAL4 EQU *
// CHECK: SBC AL
// CHECK-NEXT: BNE LL6
// CHECK-NEXT: LDA CH
// CHECK-NEXT: SBC AH
// CHECK-NEXT: BEQ LL5
// CHECK: SBC B
bool greater() { return m > n; } // CHECK-LABEL:ZGREATER EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA N
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC M
// CHECK-NEXT: LDA N+1
// CHECK-NEXT: SBC M+1
// CHECK-NEXT: BVS LL9
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT:LL9 EQU *
// CHECK-NEXT: ASL A
// CHECK-NEXT: STA BL
// CHECK-NEXT: SBC BL	* if neg sign set, now carry set, set true
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
bool notLess() { return m >= n; } // CHECK-LABEL:ZNOTLESS EQU *
// CHECK: LDA M
// CHECK-NEXT: SEC
// CHECK: BVC LL11
bool less() { return u < 10; } // CHECK-LABEL:ZLESS EQU *
// CHECK: SBC #<10
// CHECK-NEXT: STA BL
// CHECK-NEXT: SBC BL	* if carry set, set true
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
bool notGreaterUnsigned() { return u <= v; } // CHECK-LABEL:ZNOTGREATERUNSIGNED EQU *
// CHECK: SBC BL	* if carry set, set true
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT: STA BL
// A value read through an address is unsigned; addresses are two bytes.
bool less4() { return *s < *t; } // CHECK-LABEL:ZLESS4 EQU *
// CHECK: LDA CH
// CHECK-NEXT: SBC AH
// CHECK-NEXT: STA BL
bool pointers() { return p < q; } // CHECK-LABEL:ZPOINTERS EQU *
// CHECK: LDA P+1
// CHECK-NEXT: SBC Q+1
// CHECK-NEXT: STA BL
bool null() { return p == 0; } // CHECK-LABEL:ZNULL EQU *
// CHECK: LDA P+1
// CHECK-NEXT: SBC #0
