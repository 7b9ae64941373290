// < and >= subtract the right operand from the left, > and <= the left from the right; the strict and non-strict forms differ in their tails.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
signed int m;
signed int n;
unsigned int u;
unsigned int v;
bool f()
{
    return m > n;
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA N
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC M
// CHECK-NEXT: LDA N+1
// CHECK-NEXT: SBC M+1
// CHECK-NEXT: BVS LL1
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT:LL1 EQU *
// CHECK-NEXT: ASL A
// CHECK-NEXT: STA BL
// CHECK-NEXT: SBC BL	* if neg sign set, now carry set, set true
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
bool g()
{
    return m >= n;
}
// CHECK-LABEL:ZG EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA M
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC N
// CHECK-NEXT: LDA M+1
// CHECK-NEXT: SBC N+1
// CHECK-NEXT: BVC LL3
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT:LL3 EQU *
// CHECK-NEXT: ASL A
// CHECK-NEXT: STA BL
// CHECK-NEXT: SBC BL	* if neg sign set, now carry set, set true
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
bool h()
{
    return m <= n;
}
// CHECK-LABEL:ZH EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA N
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC M
// CHECK-NEXT: LDA N+1
// CHECK-NEXT: SBC M+1
// CHECK-NEXT: BVC LL5
bool k()
{
    return u <= v;
}
// CHECK-LABEL:ZK EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA V
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC U
// CHECK-NEXT: LDA V+1
// CHECK-NEXT: SBC U+1
// CHECK-NEXT: STA BL
// CHECK-NEXT: SBC BL	* if carry set, set true
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
bool p()
{
    return u > v;
}
// CHECK-LABEL:ZP EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA V
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC U
// CHECK-NEXT: LDA V+1
// CHECK-NEXT: SBC U+1
// CHECK-NEXT: STA BL
// CHECK-NEXT: SBC BL	* if carry set, set true
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
bool q()
{
    return u >= v;
}
// CHECK-LABEL:ZQ EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA U
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC V
// CHECK-NEXT: LDA U+1
// CHECK-NEXT: SBC V+1
// CHECK-NEXT: STA BL
// CHECK-NEXT: SBC BL	* if carry set, set true
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
