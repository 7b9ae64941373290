// A narrower value is widened with a zero high byte and no note; pointers store two bytes whatever they point to, and a pointer target notes a wider value without warning.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %quarn %s %t/out.asm > %t/notes 2> %t/err
// RUN: %check %s < %t/out.asm
// RUN: %check --check-prefix=NOTE --implicit-check-not=note %s < %t/notes
// RUN: not grep warning %t/err
char c;
int i;
char *p;
char *q;
int main()
{
    i = c;
    p = q;
    p = i;      // note, but no warning for a pointer
}
// NOTE:line 15: note: lvalue expected 83 type, rvalue found 04 type
// CHECK:ZMAIN EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT: LDY #>I
// CHECK-NEXT: LDA #<I
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA #0
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA C
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDA CH
// CHECK-NEXT: INY
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDY #>P
// CHECK-NEXT: LDA #<P
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA Q
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA Q+1
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDA CH
// CHECK-NEXT: INY
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDY #>P
// CHECK-NEXT: LDA #<P
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA I
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA I+1
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDA CH
// CHECK-NEXT: INY
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: TXS
