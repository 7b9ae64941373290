// Input that is not C at all (random bytes, random text, random bytes inside
// a function body, keywords and operators in random order, every byte value
// in turn) never crashes or hangs the compiler: each run ends with a status
// the compiler gives (0, 1 or 2), never with a sanitizer's 99 or a signal.
// A NUL byte is white space; bytes of 128 to 254 are tokens no parser
// accepts, inside a body as at file level.
// RUN: rm -rf %t && mkdir -p %t
// RUN: python3 %S/Inputs/garbage.py %t 30 %quarn | %check %s
// RUN: python3 %S/Inputs/garbage.py %t 30 %quarn -O -C | %check %s
// CHECK:121 inputs compiled, every run ended with status 0, 1 or 2 unless listed above
// CHECK-NOT:{{.}}
// RUN: printf 'int\000x;\000\n' > %t/nul.c
// RUN: %quarn %t/nul.c %t/nul.asm
// RUN: %check --check-prefix=NUL %s < %t/nul.asm
// NUL:X DS 2
// RUN: printf 'char x;\nint main()\n{\n    \200\376 = 1;\n    x = 2;\n}\nint y;\n' > %t/high.c
// RUN: %status 2 %quarn %t/high.c %t/high.asm 2> %t/high.err
// RUN: %check --check-prefix=HIGH %s < %t/high.err
// RUN: %check --check-prefix=HIGHASM %s < %t/high.asm
// HIGH:error: expected statement such as if, while, or return but found ID
// HIGH-NEXT:line 4: syntax error
// HIGH-NOT:{{.}}
// HIGHASM:Y DS 2
// HIGHASM:* END * ZMAIN
