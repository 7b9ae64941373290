// Output that cannot be written is reported like an output file that cannot
// be opened: "error: can't write output file NAME: REASON" on standard output
// and exit status 22, never a silent success with a file cut short. The name
// is printed as given (the compiler runs from / with relative paths here). A
// regular file that only part of the output reached is removed; a device is
// left alone.
//
// A full device, where every write fails: the small output of this file fails
// at the final flush, the large output of big.c at a write in the middle of
// the compilation.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 22 %quarn %s /dev/full > %t/small.out
// RUN: %check --check-prefix=FULL %s < %t/small.out
// RUN: test -c /dev/full
// RUN: python3 -c "print('int x;\nint f()\n{\n' + '    x = x + 1;\n' * 4000 + '}')" > %t/big.c
// RUN: %status 22 %quarn %t/big.c /dev/full > %t/big.out
// RUN: %check --check-prefix=FULL %s < %t/big.out
// FULL:Velmora C Compiler (Quarn) version 1.03.24.0110
// FULL-NEXT:error: can't write output file dev/full: No space left on device
// FULL-NOT:{{.}}
//
// A regular file that reaches the size limit of the process (with SIGXFSZ
// ignored, the write fails with "File too large") is removed.
// RUN: %status 22 sh -c 'trap "" XFSZ; ulimit -f 8; exec "$0" "$@"' %quarn %t/big.c %t/big.asm > %t/limit.out
// RUN: %check --check-prefix=LIMIT %s < %t/limit.out
// RUN: test ! -e %t/big.asm
// LIMIT:Velmora C Compiler (Quarn) version 1.03.24.0110
// LIMIT-NEXT:error: can't write output file {{.*}}/big.asm: File too large
// LIMIT-NOT:{{.}}
//
// A fatal error of the compilation is reported first; the output written up
// to it cannot be written either, which decides the exit status.
// RUN: echo int x > %t/bad.c
// RUN: %status 22 %quarn %t/bad.c /dev/full > %t/bad.out 2> %t/bad.err
// RUN: %check --check-prefix=FULL %s < %t/bad.out
// RUN: %check --check-prefix=FATAL %s < %t/bad.err
// FATAL:error: expected ; but found ID
// FATAL-NEXT:line 2: syntax error
// FATAL-NOT:{{.}}
int f()
{
    return 1;
}
