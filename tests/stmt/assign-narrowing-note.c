// A value wider than its variable prints the type note on stdout; a computed value also gets the truncation warning (exit status 1), a constant does not; one byte is stored.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 1 %quarn %s %t/out.asm > %t/notes 2> %t/err
// RUN: %check %s < %t/out.asm
// RUN: %check --check-prefix=NOTE %s < %t/notes
// RUN: %check --check-prefix=WARN --implicit-check-not=warning %s < %t/err
char c;
int i;
int main()
{
    c = i;      // note and warning
    c = 300;    // note only: a constant
}
// NOTE:line 11: note: lvalue expected 03 type, rvalue found 04 type
// NOTE-NEXT:line 12: note: lvalue expected 03 type, rvalue found 04 type
// WARN:line 11: warning: type truncation of rvalue to lvalue, possible data loss
// CHECK:ZMAIN EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT: LDY #>C
// CHECK-NEXT: LDA #<C
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA I
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA I+1
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDY #>C
// CHECK-NEXT: LDA #<C
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA #>300
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA #<300
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: TXS
