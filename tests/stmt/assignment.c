// An assignment puts the target's address in BX ($0100 + offset + X for a
// frame variable), the value in CX, and stores the target's width; an index
// is scaled and added to BX (the values are checked by run/statements.c). A
// wider value prints the type note on standard output, and the truncation
// warning unless it is a constant or the target a pointer. *f = v with a
// function f stores into f itself. With -O every expression is folded.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 1 %quarn %s %t/out.asm > %t/out 2> %t/err
// RUN: %check %s < %t/out.asm
// RUN: %check --check-prefix=NOTE --implicit-check-not=note %s < %t/out
// RUN: %check --check-prefix=WARN --implicit-check-not=warning %s < %t/err
// RUN: %status 1 %quarn -O %s %t/opt.asm > %t/opt.out 2>&1
// RUN: %check --check-prefix=OPT %s < %t/opt.asm
char c;
int i;
char *p;
int arr[4];
int *pointerOf() { return p; }
int main()
{
    int x;
    i = c;
    c = i;          // note and warning
    c = 300;        // note only: a constant
    p = i;          // note only: a pointer
    x = 1;
    arr[i] = x;
    *pointerOf = i;
    arr[1 + 2] = 2 * 4;
    if (2 + 3) return 1 + 1;
}
// NOTE:line 23: note: lvalue expected 03 type, rvalue found 04 type
// NOTE-NEXT:line 24: note: lvalue expected 03 type, rvalue found 04 type
// NOTE-NEXT:line 25: note: lvalue expected 83 type, rvalue found 04 type
// WARN:line 23: warning: type truncation of rvalue to lvalue, possible data loss
// CHECK: LDX BP
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
// CHECK-NEXT: LDY #>C
// CHECK: LDA I+1
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDY #>C
// CHECK: LDY #>$0100+XZMAIN
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
// CHECK: LDA I+1
// CHECK-NEXT: STA CH
// CHECK-NEXT: ASL CX
// CHECK-NEXT: ROL CX+1
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC CL
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BH
// CHECK-NEXT: ADC CH
// CHECK-NEXT: STA BH
// CHECK: LDY #>POINTEROF
// OPT: LDY #>POINTEROF
// OPT: LDA #>3
// OPT: LDA #>8
// OPT:* if ( 
// OPT-NEXT: LDA #>5
// OPT:* return 
// OPT-NEXT: LDA #>2
