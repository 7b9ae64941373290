// The exit status is the level of the last diagnostic that set it: a warning
// followed by an error ends with 2, an error followed by a warning with 1.
// Both runs go to the end and write the trailer.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 2 %quarn %S/Inputs/warning-then-error.c %t/we.asm 2> %t/we.err
// RUN: %check --check-prefix=WE %s < %t/we.err
// RUN: %check --check-prefix=TRAILER %s < %t/we.asm
// RUN: %status 1 %quarn %S/Inputs/error-then-warning.c %t/ew.asm 2> %t/ew.err
// RUN: %check --check-prefix=EW %s < %t/ew.err
// RUN: %check --check-prefix=TRAILER %s < %t/ew.asm
// WE:line {{[0-9]+}}: warning: type truncation of rvalue to lvalue, possible data loss
// WE-NEXT:error: expected statement such as if, while, or return but found break
// WE-NEXT:line 9: syntax error
// EW:error: expected statement such as if, while, or return but found break
// EW-NEXT:line 5: syntax error
// EW-NEXT:line {{[0-9]+}}: warning: type truncation of rvalue to lvalue, possible data loss
// TRAILER: DB 81
// TRAILER-NEXT: DB 88
// TRAILER-NEXT:* 
// TRAILER-NEXT:* END * ZMAIN
