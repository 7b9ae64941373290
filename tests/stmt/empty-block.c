// An empty block, alone or nested, writes nothing.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
int main()
{
    { }
    { { } { } }
}
// CHECK:ZMAIN EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT: TXS
// CHECK-NEXT: PLA
// CHECK-NEXT: TAX
// CHECK-NEXT: RTS
