// Parameters sit above the return address: the last one at $0004, each earlier
// one two bytes higher; their equates come last to first, then an empty line.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
int f(int a, int b, int c)
{
}
// CHECK: JMP ZMAIN
// CHECK-NEXT:CZF EQU $0004
// CHECK-NEXT:BZF EQU $0006
// CHECK-NEXT:AZF EQU $0008
// CHECK-EMPTY:
// CHECK-NEXT:* 
// CHECK-NEXT:ZF EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT: TXS
// CHECK-NEXT: PLA
// CHECK-NEXT: TAX
// CHECK-NEXT: RTS

// One-byte and pointer parameters take two bytes as well; locals follow the
// empty line.
void g(char x, char *p, bool y, unsigned int z)
{
    char c;
}
// CHECK-NEXT:ZZG EQU $0004
// CHECK-NEXT:YZG EQU $0006
// CHECK-NEXT:PZG EQU $0008
// CHECK-NEXT:XZG EQU $000A
// CHECK-EMPTY:
// CHECK-NEXT:CZG EQU $0000
// CHECK-NEXT:* 
// CHECK-NEXT:ZG EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT: STX BP
// CHECK-NEXT: TSX
// CHECK-NEXT: TXA
// CHECK-NEXT: SEC
// CHECK-NEXT: SBC #$02
// CHECK-NEXT: TAX
// CHECK-NEXT: TXS
// CHECK-NEXT: LDX BP
// CHECK-NEXT: TXS
// CHECK-NEXT: PLA
// CHECK-NEXT: TAX
// CHECK-NEXT: RTS

// A single parameter.
void h(int only)
{
}
// CHECK-NEXT:ONLYZH EQU $0004
// CHECK-EMPTY:
// CHECK-NEXT:* 
// CHECK-NEXT:ZH EQU *
