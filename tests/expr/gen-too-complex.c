// Seven nested int operands fill the temporaries up to R2EH; an eighth would need a register byte past the block and stops the compilation.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
// RUN: sed 's/(i + i)/(i + (i + i))/' %s > %t/deeper.c
// RUN: %status 2 %quarn %t/deeper.c %t/deeper.asm 2> %t/err
// RUN: %check --check-prefix=ERR %s < %t/err
int i;
int f() { return i + (i + (i + (i + (i + (i + i))))); }
// ERR:line [[@LINE-1]]: error: expression too complex
// CHECK:* return {{$}}
// CHECK-NEXT: LDA I
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC I
// CHECK-NEXT: STA R2CH
// CHECK-NEXT: LDA I+1
// CHECK-NEXT: ADC I+1
// CHECK-NEXT: STA R2DH
// CHECK-NEXT: LDA I
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC R2CH
// CHECK-NEXT: STA R2AH
// CHECK-NEXT: LDA I+1
// CHECK-NEXT: ADC R2DH
// CHECK-NEXT: STA R2BH
// CHECK-NEXT: LDA I
// CHECK-NEXT: CLC
// CHECK-NEXT: ADC R2AH
// CHECK-NEXT: STA AL
// CHECK-NEXT: LDA I+1
// CHECK-NEXT: ADC R2BH
// CHECK-NEXT: STA AH
// CHECK: STA BH
// CHECK-NEXT: TXS
