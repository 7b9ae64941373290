// outp stores the low byte of its value at the address in BX; outpw stores both bytes, low byte first.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
char value;
int port;
int word;
int main()
{
    outp(53280, value);
    outpw(port, word);
}
// CHECK:* outp( 
// CHECK-NEXT: LDA #>$D020
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA #<$D020
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA VALUE
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT:* outpw( 
// CHECK-NEXT: LDA PORT
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA PORT+1
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA WORD
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA WORD+1
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA CX
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDA CX+1
// CHECK-NEXT: INY
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: TXS
