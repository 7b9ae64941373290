// A comparison is signed when an operand that is not an int constant is signed; unsigned tails write no label but still use up two numbers.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
unsigned int u;
signed int i;
unsigned char uc;
signed char sc;
bool f()
{
    return u < 10;
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA U
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC #>10
// CHECK-NEXT: LDA U+1
// CHECK-NEXT: SBC #<10
// CHECK-NEXT: STA BL
// CHECK-NEXT: SBC BL	* if carry set, set true
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
bool g()
{
    return i < 10;
}
// CHECK-LABEL:ZG EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA I
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC #>10
// CHECK-NEXT: LDA I+1
// CHECK-NEXT: SBC #<10
// CHECK-NEXT: BVS LL3
bool h()
{
    return uc < -1;
}
// CHECK-LABEL:ZH EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA #0
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC #>1
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA UC
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC CL
// CHECK-NEXT: STA BL
// CHECK-NEXT: SBC BL	* if carry set, set true
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
bool k()
{
    return sc < 5;
}
// CHECK-LABEL:ZK EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA SC
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC #>5
// CHECK-NEXT: BVS LL7
bool m()
{
    return u < i;
}
// CHECK-LABEL:ZM EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA U
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC I
// CHECK-NEXT: LDA U+1
// CHECK-NEXT: SBC I+1
// CHECK-NEXT: BVS LL9
bool n()
{
    return 5 < uc;
}
// CHECK-LABEL:ZN EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA #>5
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC UC
// CHECK-NEXT: STA BL
// CHECK-NEXT: SBC BL	* if carry set, set true
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
