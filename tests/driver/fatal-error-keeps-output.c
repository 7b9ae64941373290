// A fatal error ends the run at once with status 2: the failed match names
// the expected and the found token on standard error (end of input is spelled
// ID), and the output file keeps its header but gets no trailer.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 2 %quarn %s %t/out.asm > %t/stdout 2> %t/stderr
// RUN: diff %S/../output/Inputs/default-header.asm %t/out.asm
// RUN: diff %S/Inputs/banner.txt %t/stdout
// RUN: %check --check-prefix=ERR %s < %t/stderr
// The newline after x is counted when the name ends, so the error is reported
// on the line after the declaration.
// ERR:error: expected ; but found ID
// ERR-NEXT:line [[#@LINE+3]]: syntax error
// ERR-NOT:{{.}}
int x
