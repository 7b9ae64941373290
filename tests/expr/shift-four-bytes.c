// A four-byte value (read through a struct array name) shifted by another is flushed and looped over all four bytes, the count read from the right operand's first byte.
// RUN: rm -rf %t && mkdir -p %t && %quarn -O %s %t/out.asm
// RUN: %check %s < %t/out.asm
struct {} s[4];
struct {} t[4];
int left()
{
    return int(*s << *t);
}
// CHECK:LL1 EQU *
// CHECK-NEXT: ASL BX
// CHECK-NEXT: ROL BX+1
// CHECK-NEXT: ROL BX+2
// CHECK-NEXT: ROL BX+3
// CHECK-NEXT: DEC DL
// CHECK-NEXT: BNE LL1
// CHECK-NEXT: TXS

int right()
{
    return int(*s >> *t);
}
// CHECK:LL2 EQU *
// CHECK-NEXT: LSR BX+3
// CHECK-NEXT: ROR BX+2
// CHECK-NEXT: ROR BX+1
// CHECK-NEXT: ROR BX
// CHECK-NEXT: DEC DL
// CHECK-NEXT: BNE LL2
// CHECK-NEXT: TXS
