// BX to REF hold seven two-byte temporaries: for every two-operand operator on
// char and int, inline, with helpers (-C) and optimised, seven live operands
// compile and eight stop with "error: expression too complex". The deepest
// forms compute what the language defines (x / 0 is all ones, x % 0 is x),
// R2AH to R2FH included: the main below returns the first check that fails.
// RUN: rm -rf %t && mkdir -p %t && python3 %S/Inputs/deep-operands.py %t && cat %t/fits.c %s > %t/run.c
// RUN: %status 1 %quarn %t/fits.c %t/a.asm 2> /dev/null && %status 1 %quarn -O %t/fits.c %t/b.asm 2> /dev/null && %status 1 %quarn -C %t/fits.c %t/c.asm 2> /dev/null
// RUN: %run %t/run.c | %check %s && %run %t/run.c -C | %check %s
// CHECK:result: 0
// RUN: rm %t/fits.c %t/run.c && python3 %S/Inputs/compile-each.py %quarn -- %t/*.c | %check --check-prefix=OVER %s
// RUN: python3 %S/Inputs/compile-each.py %quarn -O -- %t/*.c | %check --check-prefix=OVER %s
// RUN: python3 %S/Inputs/compile-each.py %quarn -C -- %t/*.c | %check --check-prefix=OVER %s
// OVER-COUNT-36:{{[a-z]+_[ci]}}.c: 2 | {{(.* \| )?}}line 5: error: expression too complex
// OVER-NOT:{{.}}
int main()
{
    i = 9000; if (add_i() != 63000) return 1;
    i = 300; if (sub_i() != 300) return 2;
    i = 1234; if (xor_i() != 1234) return 3;
    i = 3; if (mul_i() != 2187) return 4;
    c = 3; if ((mul_c() & 255) != 139) return 5;  // a char result sets only BL
    i = 700; if (div_i() != 700) return 6;
    if (mod_i() != 700) return 7;
    return 0;
}
