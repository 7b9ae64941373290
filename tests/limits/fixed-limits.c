// Each fixed limit can be reached; one step over ends the run with status 2
// and a message on that line: names of 255 characters, numbers of 43 (hex and
// octal digits unlimited), scoped names of 255, operand texts of 63, inline
// assembly lines of 254, 254 bytes of automatic locals per function, 200
// levels of each nesting, entries 98 to 4095 (freed when a function ends),
// 262144 bytes of names with NULs, from byte 519 on (kept when it ends).
// RUN: rm -rf %t && mkdir -p %t && python3 %S/Inputs/limits.py %t
// RUN: %status 1 %quarn %t/fits.c %t/fits.asm 2> /dev/null && %check --check-prefix=FITS %s < %t/fits.asm
// FITS:{{(N{255})}} DS 1
// FITS:D: DW 202
// FITS:{{(P{54}ZF{200})}} EQU $0004
// FITS:{{(S{54}ZF{200})}} DS 2
// FITS: JMP {{(ZL{54}ZF{200})}}
// FITS: LDA {{(C{63})}}
// FITS: ADC {{(I{61})}}+1
// FITS: ADC $0101+{{(A{50})}}ZMAIN,X
// FITS: {{(N{254})}}
// FITS-COUNT-2: SBC #$FE
// RUN: rm %t/fits.c && python3 %S/Inputs/compile-each.py %quarn -- %t/*.c | %check %s
// CHECK:asm-255.c: 2 | line 2: error: line too long
// CHECK-NEXT:asm-blanks.c: 2 | line 2: error: line too long
// CHECK-NEXT:calls-201.c: 2 | line 1: error: nesting too deep
// CHECK-NEXT:casts-201.c: 2 | line 1: error: nesting too deep
// CHECK-NEXT:char-64.c: 2 | line 2: error: name too long
// CHECK-NEXT:complements-201.c: 2 | line 1: error: nesting too deep
// CHECK-NEXT:decimal-44.c: 2 | line 2: error: number too long
// CHECK-NEXT:deref-201.c: 2 | line 1: error: nesting too deep
// CHECK-NEXT:elseif-201.c: 2 | line 1: error: nesting too deep
// CHECK-NEXT:exponent-44.c: 2 | line 2: error: number too long
// CHECK-NEXT:fraction-44.c: 2 | line 2: error: number too long
// CHECK-NEXT:frame-255.c: 2 | line 2: error: too many local variables
// CHECK-NEXT:index-201.c: 2 | line 1: error: nesting too deep
// CHECK-NEXT:int-62.c: 2 | line 2: error: name too long
// CHECK-NEXT:label-256.c: 2 | line 2: error: name too long
// CHECK-NEXT:local-51.c: 2 | line 2: error: name too long
// CHECK-NEXT:loops-201.c: 2 | line 1: error: nesting too deep
// CHECK-NEXT:name-256.c: 2 | line 2: compiler error
// CHECK-NEXT:parameter-256.c: 2 | line 2: error: name too long
// CHECK-NEXT:qualifiers-201.c: 2 | line 1: error: nesting too deep
// CHECK-NEXT:store-closed.c: 2 | line 1270: lexemes array full
// CHECK-NEXT:store-fits.c: 0
// CHECK-NEXT:store-full.c: 2 | line 1022: lexemes array full
// CHECK-NEXT:table-4095.c: 0
// CHECK-NEXT:table-4096.c: 2 | line 3997: symbol table full
// CHECK-NOT:{{.}}
// RUN: %check --check-prefix=TABLE %s < %t/table-4095.c.asm && %check --check-prefix=STORE %s < %t/store-fits.c.asm
// TABLE:BZF EQU $FFFF
// TABLE:CZG EQU $0000
// STORE:{{(Y{248})}} DS 1
