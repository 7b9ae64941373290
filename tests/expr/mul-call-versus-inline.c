// The same char product is the inline "* mulb" loop by default and with -I, and a ZMUL8HELPER call with no loop under -C.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/default.asm && %quarn -I %s %t/inline.asm && %quarn -C %s %t/call.asm
// RUN: %check --check-prefix=INLINE %s < %t/default.asm
// RUN: %check --check-prefix=INLINE %s < %t/inline.asm
// RUN: %check --check-prefix=CALL %s < %t/call.asm
char alpha;
char beta;
char main()
{
    return alpha * beta;
}
// INLINE:* return 
// INLINE-NEXT: LDA ALPHA
// INLINE-NEXT: STA BL
// INLINE-NEXT: LDA BETA
// INLINE-NEXT: STA CL
// INLINE-NEXT:* mulb
// INLINE-NOT: JSR ZMUL8HELPER

// The left operand is flushed into BL before the right one is generated;
// nothing lies below BL, so there is no save, copy or restore.
// CALL:* return 
// CALL-NEXT: LDA ALPHA
// CALL-NEXT: STA BL
// CALL-NEXT: LDA BETA
// CALL-NEXT: STA CL
// CALL-NEXT: LDA BL
// CALL-NEXT: PHA
// CALL-NEXT: LDA CL
// CALL-NEXT: PHA
// CALL-NEXT: JSR ZMUL8HELPER
// CALL-NEXT: STX BP
// CALL-NEXT: TSX
// CALL-NEXT: INX
// CALL-NEXT: INX
// CALL-NEXT: TXS
// CALL-NEXT: LDX BP
// CALL-NEXT: TXS
// CALL-NOT:* mulb
