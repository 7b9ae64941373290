// Switches ('-' or '/') come before exactly an input and an output name;
// else the usage text, and status 22 as for a file that cannot be opened.
// Only a switch's second character counts (-Ofast is -O); an unknown letter
// is named and skipped. Of -C and -I the later wins. A clean run prints only
// the banner.
// RUN: rm -rf %t && mkdir -p %t && cd %t && cp %s in.c && %status 22 %build/quarn > usage.out 2> usage.err
// RUN: %check --check-prefixes=BANNER,USAGE %s < usage.out && count 0 < usage.err
// RUN: %status 22 %build/quarn -O > /dev/null && %status 22 %build/quarn in.c > /dev/null
// RUN: %status 22 %build/quarn in.c after.asm -O > /dev/null && %status 22 %build/quarn -O in.c a.asm b.asm > /dev/null && not test -e after.asm && not test -e a.asm
// RUN: %status 22 %build/quarn nothere.c out.asm > missing.out 2> missing.err && not test -e out.asm
// RUN: %check --check-prefixes=BANNER,MISSING %s < missing.out && count 0 < missing.err
// RUN: %status 22 %build/quarn in.c nodir/out.asm | %check --check-prefix=NODIR %s
// NODIR:error: can't open output file nodir/out.asm
// RUN: %build/quarn in.c plain.asm > plain.out && %build/quarn -O in.c dash.asm && %build/quarn /O in.c slash.asm
// RUN: diff dash.asm slash.asm && not diff plain.asm dash.asm
// RUN: %build/quarn -x /q -o -Ofast -Bxyz in.c odd.asm > odd.out && diff dash.asm odd.asm
// RUN: %check --check-prefixes=BANNER,ODD %s < odd.out && %check --check-prefix=BANNER %s < plain.out
// BANNER:{{$}}
// BANNER-NEXT:Velmora C Compiler (Quarn) version 1.03.24.0110
// MISSING-NEXT:error: can't open C source file nothere.c
// ODD-NEXT:warning: unrecognized switch -x
// ODD-NEXT:warning: unrecognized switch -q
// ODD-NEXT:warning: unrecognized switch -o
// USAGE-NEXT:format:  Quarn?? [options] infile.c outfile.asm
// USAGE-NEXT:	-B:#### Binary address of ROM - in hex
// USAGE-NEXT:	-C use multiplication and division helper calls
// USAGE-NEXT:	-I use multiplication and division intrinsics
// USAGE-NEXT:	-O Optimize
// USAGE-NEXT:	-R assume all code and data on RAM
// USAGE-NEXT:	-S:#### Address to initialize SP to - in hex
// USAGE-NEXT:	-V:#### Address to allocate variables at in RAM - in hex
// BANNER-NOT:{{.}}
// RUN: %build/quarn -C in.c c.asm && %build/quarn -I -C in.c ic.asm && %build/quarn -C -I in.c ci.asm
// RUN: %check --check-prefix=HELPER %s < c.asm && diff c.asm ic.asm && diff plain.asm ci.asm
// HELPER: JSR ZMUL16HELPER
int x;
int y;
int main() { x = x * y + (2 + 3); }
