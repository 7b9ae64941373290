// && and || evaluate both operands: two bools combine in one template, other operands bitwise with a warning.
// RUN: rm -rf %t && mkdir -p %t && %status 1 %quarn %s %t/out.asm 2> %t/err
// RUN: %check %s < %t/out.asm
// RUN: %check --check-prefix=ERR %s < %t/err
bool p;
bool q;
int x;
int y;
bool f()
{
    return p && q;
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA P
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA Q
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: AND CL
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
bool g()
{
    return p || q;
}
// CHECK-LABEL:ZG EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA P
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA Q
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA BL
// CHECK-NEXT: ORA CL
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
int h() { return x && y; }
// ERR:line [[@LINE-1]]: applying boolean AND to non boolean value
// CHECK-LABEL:ZH EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA X
// CHECK-NEXT: AND Y
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA X+1
// CHECK-NEXT: AND Y+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
int k() { return x || y; }
// ERR-NEXT:line [[@LINE-1]]: applying boolean OR to non boolean value
// CHECK-LABEL:ZK EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA X
// CHECK-NEXT: ORA Y
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA X+1
// CHECK-NEXT: ORA Y+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
