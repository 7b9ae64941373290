// return writes its comment line, leaves the value in BX and writes the epilogue itself, before the function's own.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
int x;
int main()
{
    return x;
}
// CHECK:ZMAIN EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT:* return 
// CHECK-NEXT: LDA X
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA X+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: TXS
// CHECK-NEXT: PLA
// CHECK-NEXT: TAX
// CHECK-NEXT: RTS
// CHECK-NEXT: TXS
// CHECK-NEXT: PLA
// CHECK-NEXT: TAX
// CHECK-NEXT: RTS
