// A sum, difference or bitwise result is signed only when every operand that is not an integer constant is signed; unary - and ~ keep the sign, ! drops it.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
signed int i;
signed int j;
unsigned int u;
bool f()
{
    return (i - j) < 0;
}
// CHECK-LABEL:ZF EQU *
// CHECK: SBC #<0
// CHECK-NEXT: BVS LL1
bool g()
{
    return (u + 1) < 5;
}
// CHECK-LABEL:ZG EQU *
// CHECK: SBC #<5
// CHECK-NEXT: STA BL
// CHECK-NEXT: SBC BL	* if carry set, set true
bool h()
{
    return (i ^ u) < 5;
}
// CHECK-LABEL:ZH EQU *
// CHECK: SBC #<5
// CHECK-NEXT: STA BL
// CHECK-NEXT: SBC BL	* if carry set, set true
bool k()
{
    return (i & 255) < 5;
}
// CHECK-LABEL:ZK EQU *
// CHECK: SBC #<5
// CHECK-NEXT: BVS LL7
bool m()
{
    return -i < 0;
}
// CHECK-LABEL:ZM EQU *
// CHECK: SBC #<0
// CHECK-NEXT: BVS LL9
bool n()
{
    return ~u < 0;
}
// CHECK-LABEL:ZN EQU *
// CHECK: SBC #<0
// CHECK-NEXT: STA BL
bool p()
{
    return !i < 0;
}
// CHECK-LABEL:ZP EQU *
// CHECK: SBC #<0
// CHECK-NEXT: STA BL
// CHECK-NEXT: SBC BL	* if carry set, set true
