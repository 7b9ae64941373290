// A store whose target has no size stops with "error: undefined return type" where the store width is needed: an element of a void pointer right after its index is read (a char index is not widened first), the target of a void pointer after its value; a void pointer variable itself has no value ("expected function").
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 2 %quarn %s %t/element.asm 2> %t/element.err
// RUN: %check --check-prefix=ELEMENT %s < %t/element.asm
// RUN: %check --check-prefix=ELEMENT-ERR %s < %t/element.err
// RUN: sed 's/^    vp\[c\] = 1;/    *vp = 1;/' %s > %t/target.c
// RUN: %status 2 %quarn %t/target.c %t/target.asm > %t/target.notes 2> %t/target.err
// RUN: %check --check-prefix=TARGET %s < %t/target.asm
// RUN: %check --check-prefix=TARGET-NOTE %s < %t/target.notes
// RUN: %check --check-prefix=TARGET-ERR %s < %t/target.err
// RUN: sed 's/^    vp\[c\] = 1;/    vp = 1;/' %s > %t/variable.c
// RUN: %status 2 %quarn %t/variable.c %t/variable.asm 2> %t/variable.err
// RUN: %check --check-prefix=VARIABLE %s < %t/variable.asm
// RUN: %check --check-prefix=VARIABLE-ERR %s < %t/variable.err
void *vp;
char c;
int main()
{
    vp[c] = 1;
}
// ELEMENT:ZMAIN EQU *
// ELEMENT-NEXT: TXA
// ELEMENT-NEXT: PHA
// ELEMENT-NEXT: TSX
// ELEMENT-NEXT: LDA VP
// ELEMENT-NEXT: STA BL
// ELEMENT-NEXT: LDA VP+1
// ELEMENT-NEXT: STA BH
// ELEMENT-NEXT: LDA C
// ELEMENT-NEXT: STA CL
// ELEMENT-NOT:{{.+}}
// ELEMENT-ERR:line 19: error: undefined return type

// The value is fitted to the void target first, which prints the note; the
// newline right after the ; is already counted then.
// TARGET:ZMAIN EQU *
// TARGET-NEXT: TXA
// TARGET-NEXT: PHA
// TARGET-NEXT: TSX
// TARGET-NEXT: LDA VP
// TARGET-NEXT: STA BL
// TARGET-NEXT: LDA VP+1
// TARGET-NEXT: STA BH
// TARGET-NEXT: LDA #>1
// TARGET-NEXT: STA CL
// TARGET-NEXT: LDA #<1
// TARGET-NEXT: STA CH
// TARGET-NOT:{{.+}}
// TARGET-NOTE:line 20: note: lvalue expected 00 type, rvalue found 04 type
// TARGET-ERR:line 20: error: undefined return type

// VARIABLE:ZMAIN EQU *
// VARIABLE-NEXT: TXA
// VARIABLE-NEXT: PHA
// VARIABLE-NEXT: TSX
// VARIABLE-NOT:{{.+}}
// VARIABLE-ERR:line 19: error: expected function
