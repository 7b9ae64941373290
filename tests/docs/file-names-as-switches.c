// An argument that begins with / is read as a switch: absolute input and
// output names each give the unrecognised-switch warning for their second
// character and leave too few names, so the usage is printed and the exit
// status is 22.
// RUN: rm -rf %t && mkdir -p %t
// RUN: cp %s %t/prog.c
// RUN: %status 22 %build/quarn %t/prog.c %t/out.asm > %t/out
// RUN: %check %s < %t/out
// CHECK:warning: unrecognized switch -{{.}}
// CHECK-NEXT:warning: unrecognized switch -{{.}}
// CHECK-NEXT:format:  Quarn?? [options] infile.c outfile.asm
int main()
{
    return 0;
}
