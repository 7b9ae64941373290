// Unless exactly an input and an output name follow the switches, the banner
// is followed by the eight usage lines and the run ends with status 22 without
// touching any file; a switch after the file names makes the count wrong.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 22 %quarn > %t/none 2> %t/none.err
// RUN: diff %S/Inputs/usage.txt %t/none
// RUN: count 0 < %t/none.err
// RUN: %status 22 %quarn -O > %t/switch-only
// RUN: diff %S/Inputs/usage.txt %t/switch-only
// RUN: %status 22 %quarn %s > %t/one
// RUN: diff %S/Inputs/usage.txt %t/one
// RUN: %status 22 %quarn %s %t/out.asm -O > %t/after
// RUN: diff %S/Inputs/usage.txt %t/after
// RUN: %status 22 %quarn -O %s %t/out.asm %t/extra.asm > %t/three
// RUN: diff %S/Inputs/usage.txt %t/three
// RUN: not test -e %t/out.asm
// RUN: not test -e %t/extra.asm
