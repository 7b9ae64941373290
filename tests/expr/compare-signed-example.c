// A signed int compared with an int constant: both leaves in place, the overflow folded into the sign, the result in BL; the labels come from the shared counter.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
signed int count;
int a;
int f()
{
    if (a) a = 1;
    if (a) a = 1;
    return count < 10;
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA COUNT
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC #>10
// CHECK-NEXT: LDA COUNT+1
// CHECK-NEXT: SBC #<10
// CHECK-NEXT: BVS LL5
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT:LL5 EQU *
// CHECK-NEXT: ASL A
// CHECK-NEXT: STA BL
// CHECK-NEXT: SBC BL	* if neg sign set, now carry set, set true
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
// The comparison took two numbers: the next one starts at 7.
bool g()
{
    return count >= 10;
}
// CHECK-LABEL:ZG EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDA COUNT
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC #>10
// CHECK-NEXT: LDA COUNT+1
// CHECK-NEXT: SBC #<10
// CHECK-NEXT: BVC LL7
// CHECK-NEXT: EOR #$0FF
// CHECK-NEXT:LL7 EQU *
