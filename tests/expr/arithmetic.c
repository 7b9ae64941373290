// +, -, &, |, ^, &&, || and unary -, ~, !: byte by byte over the width class,
// bound leaves read in place, the result over the left slot. && and || are
// bitwise (a warning unless both are bool); a char beside an address has a
// zero high byte; a unary operator on an address works on what it points to.
// RUN: rm -rf %t && mkdir -p %t && %status 1 %quarn %s %t/out.asm 2> %t/err
// RUN: %check %s < %t/out.asm
// RUN: %check --check-prefix=ERR --implicit-check-not=line %s < %t/err
char total, c, d; int x, y; int *q; bool p1, p2; char *p; char a[4];
struct {} s[4]; struct {} t[4];
char add1() { return total + 5; } // CHECK-LABEL:ZADD1 EQU *
// CHECK: LDA TOTAL
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC #>5
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
int add2() { return x + y; } // CHECK-LABEL:ZADD2 EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA X
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC Y
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA X+1
// CHECK-NEXT: ADC Y+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
int neg2() { return -x; } // CHECK-LABEL:ZNEG2 EQU *
// CHECK: SEC
// CHECK-NEXT: SBC X
int not2() { return !x; } // CHECK-LABEL:ZNOT2 EQU *
// CHECK: EOR #$0FF
// CHECK: LDA X+1
// CHECK-NEXT: EOR #$0FF
bool both() { return p1 && p2; } // CHECK-LABEL:ZBOTH EQU *
// CHECK: STA CL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: AND CL
// CHECK-NEXT: STA BL
int wordAnd() { return x && y; } // ERR:line [[@LINE]]: applying boolean AND to non boolean value
// CHECK-LABEL:ZWORDAND EQU *
// CHECK: AND Y+1
int wordOr() { return x || y; } // ERR-NEXT:line [[@LINE]]: applying boolean OR to non boolean value
// CHECK-LABEL:ZWORDOR EQU *
// CHECK: ORA Y+1
// Four bytes (struct elements): the carry runs through all; a logical
// result folds them into the low byte.
int add4() { return int(*s + *t); } // CHECK-LABEL:ZADD4 EQU *
// CHECK: CLC
// CHECK-NEXT: ADC DL
// CHECK: ADC AH
void and4() { if (*s && *t) x = 1; } // ERR-NEXT:line [[@LINE]]: applying boolean AND to non boolean value
// CHECK-LABEL:ZAND4 EQU *
// CHECK: LDA BX
// CHECK-NEXT: ORA BX+1
// CHECK-NEXT: ORA BX+2
// CHECK-NEXT: ORA BX+3
// CHECK-NEXT: STA BX
char plus() { return *(p + 1); } // CHECK-LABEL:ZPLUS EQU *
// CHECK: LDA P+1
// CHECK-NEXT: ADC #0
char notPointer() { return !p; } // CHECK-LABEL:ZNOTPOINTER EQU *
// CHECK: EOR #$0FF
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA P+1
char negArray() { return -a; } // CHECK-LABEL:ZNEGARRAY EQU *
// CHECK: SBC BL
// CHECK-NEXT: STA BL
int tildePointer() { return ~q; } // CHECK-LABEL:ZTILDEPOINTER EQU *
// CHECK: LDA Q+1
// CHECK-NEXT: EOR #$0FF
