// The banner goes to standard output after a blank line, before anything
// else; a clean run writes nothing to standard error and ends with status 0.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %quarn %s %t/out.asm > %t/stdout 2> %t/stderr
// RUN: diff %S/Inputs/banner.txt %t/stdout
// RUN: count 0 < %t/stderr
