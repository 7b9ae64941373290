// A source of nothing but empty declarations and comments compiles to the
// same frame as an empty one.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %quarn %s %t/out.asm 2> %t/stderr
// RUN: diff %S/Inputs/default-header-trailer.asm %t/out.asm
// RUN: count 0 < %t/stderr
;
;;  ; // a comment after the semicolons
#define NOTHING ;
	;
# a last comment without a newline at the end
# and truly no newline