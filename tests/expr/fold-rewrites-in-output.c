// With -O a product by 8 and a quotient by 4 become shifts (no multiply or
// divide loop), a remainder by 16 becomes a mask with 15, a difference with 3
// becomes a sum with -3, while a product by 3 keeps its loop; without -O every
// operator is generated as written.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %quarn -O -I %s %t/opt.asm
// RUN: %check --check-prefix=OPT %s < %t/opt.asm
// RUN: %quarn -I %s %t/plain.asm
// RUN: %check --check-prefix=PLAIN %s < %t/plain.asm
int x;
int times8()
{
    x = x * 8;
}
int times3()
{
    x = 3 * x;
}
int over4()
{
    x = x / 4;
}
int mod16()
{
    x = x % 16;
}
int minus3()
{
    x = x - 3;
}
// OPT-LABEL:ZTIMES8 EQU *
// OPT-NOT:* mulw
// OPT: ASL CX
// OPT-LABEL:ZTIMES3 EQU *
// OPT:* mulw
// OPT-LABEL:ZOVER4 EQU *
// OPT-NOT:* divw
// OPT: ROR CX
// OPT-LABEL:ZMOD16 EQU *
// OPT-NOT:* modw
// OPT: AND #>15
// OPT-NEXT: STA CL
// OPT-LABEL:ZMINUS3 EQU *
// OPT-NOT: SBC {{.*}}
// OPT: ADC #>-3
//
// PLAIN-LABEL:ZTIMES8 EQU *
// PLAIN:* mulw
// PLAIN-LABEL:ZTIMES3 EQU *
// PLAIN:* mulw
// PLAIN-LABEL:ZOVER4 EQU *
// PLAIN:* divw
// PLAIN-LABEL:ZMOD16 EQU *
// PLAIN:* modw
// PLAIN-LABEL:ZMINUS3 EQU *
// PLAIN-NOT: ADC {{.*}}
// PLAIN: SBC #>3
