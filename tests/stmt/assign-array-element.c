// An element store puts the array's address in BX, the index in CX, scales it by the element size (int: one shift), adds it and stores the value; with -O a constant index is still added at run time.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
// RUN: %quarn -O %s %t/opt.asm
// RUN: %check --check-prefix=OPT %s < %t/opt.asm
int arr[4];
char buf[4];
int idx;
int val;
char c;
int main()
{
    arr[idx] = val;
    buf[idx] = c;
    arr[2] = val;
}
// CHECK:ZMAIN EQU *
// CHECK-NEXT: TXA
// CHECK-NEXT: PHA
// CHECK-NEXT: TSX
// CHECK-NEXT: LDY #>ARR
// CHECK-NEXT: LDA #<ARR
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA IDX
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA IDX+1
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
// CHECK-NEXT: LDA VAL
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA VAL+1
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDA CH
// CHECK-NEXT: INY
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDY #>BUF
// CHECK-NEXT: LDA #<BUF
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA IDX
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA IDX+1
// CHECK-NEXT: STA CH
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC CL
// CHECK-NEXT: STA BL
// CHECK-NEXT: LDA BH
// CHECK-NEXT: ADC CH
// CHECK-NEXT: STA BH
// CHECK-NEXT: LDA C
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA CL
// CHECK-NEXT: LDY #0
// CHECK-NEXT: STA (BX),Y
// CHECK-NEXT: LDY #>ARR
// CHECK-NEXT: LDA #<ARR
// CHECK-NEXT: STY BX
// CHECK-NEXT: STA BX+1
// CHECK-NEXT: LDA #>2
// CHECK-NEXT: STA CL
// CHECK-NEXT: LDA #<2
// CHECK-NEXT: STA CH
// CHECK-NEXT: ASL CX
// CHECK-NEXT: ROL CX+1
// CHECK-NEXT: LDA BL
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC CL
// OPT:ZMAIN EQU *
// OPT: LDY #>ARR
// OPT: LDY #>ARR
// OPT-NEXT: LDA #<ARR
// OPT-NEXT: STY BX
// OPT-NEXT: STA BX+1
// OPT-NEXT: LDA #>2
// OPT-NEXT: STA CL
// OPT-NEXT: LDA #<2
// OPT-NEXT: STA CH
// OPT-NEXT: ASL CX
// OPT-NEXT: ROL CX+1
