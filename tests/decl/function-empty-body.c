// A function without parameters or locals is its comment line and label, the
// three-instruction prologue and the epilogue, with no frame allocation; a
// name that upper-cases to MAIN is the entry point.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
void Main()
{
}
// CHECK: JMP ZMAIN
// CHECK-NEXT:* 
// CHECK-NEXT:ZMAIN EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT: TXS
// CHECK-NEXT: PLA
// CHECK-NEXT: TAX
// CHECK-NEXT: RTS
// CHECK-NEXT: DB 81
