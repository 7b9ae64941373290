// A parameter or local is addressed in the stack page: BX = $0100 + its frame offset + X, then the value is stored through BX.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
int main()
{
    int x;
    x = 1;
}
// CHECK:XZMAIN EQU $FFFF
// CHECK:ZMAIN EQU *
// CHECK: LDX BP
// CHECK-NEXT: LDY #>$0100+XZMAIN
// CHECK-NEXT: LDA #<$0100+XZMAIN
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: TXA
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC BX
// CHECK-NEXT: STA BX
// CHECK-NEXT: LDA #0
// CHECK-NEXT: ADC BX+1
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA #>1
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA #<1
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDA CH
// CHECK-NEXT: INY
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: TXS
