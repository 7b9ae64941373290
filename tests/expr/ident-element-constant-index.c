// Under -O a constant index becomes part of the address expression (scaled by the element size); without -O it is added at run time.
// RUN: rm -rf %t && mkdir -p %t && %quarn -O %s %t/out.asm
// RUN: %check %s < %t/out.asm
// RUN: %quarn %s %t/plain.asm
// RUN: %check --check-prefix=PLAIN %s < %t/plain.asm
char bytes[8];
int words[8];
int f()
{
    return words[3];
}
// CHECK-LABEL:ZF EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDY #>WORDS+6
// CHECK-NEXT: LDA #<WORDS+6
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDY #0
// CHECK-NEXT: LDA (BX),Y
// CHECK-NEXT: STA CL
// CHECK-NEXT: INY
// CHECK-NEXT: LDA (BX),Y
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA CL
// CHECK-NEXT: STA BX
// CHECK-NEXT: TXS
// PLAIN-LABEL:ZF EQU *
// PLAIN:* return {{$}}
// PLAIN-NEXT: LDY #>WORDS
// PLAIN-NEXT: LDA #<WORDS
// PLAIN-NEXT: STY BX
// PLAIN-NEXT: STA BX+1
// PLAIN-NEXT: LDA #>3
// PLAIN-NEXT: STA CL
// PLAIN-NEXT: LDA #<3
// PLAIN-NEXT: STA CH
// PLAIN-NEXT: ASL CX
// PLAIN-NEXT: ROL CX+1
// PLAIN-NEXT: LDA BL
char g()
{
    return bytes[2];
}
// CHECK-LABEL:ZG EQU *
// CHECK:* return {{$}}
// CHECK-NEXT: LDY #>BYTES+2
// CHECK-NEXT: LDA #<BYTES+2
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDY #0
// CHECK-NEXT: LDA (BX),Y
// CHECK-NEXT: STA BL
// CHECK-NEXT: TXS
