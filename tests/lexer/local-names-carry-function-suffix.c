// A parameter or local is printed with its function's name after a Z, so it
// may share its spelling with a file-level name and with other functions'
// locals; inside the function the local hides the file-level name.
// RUN: rm -rf %t && mkdir -p %t && %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
// RUN: %run %s | FileCheck --check-prefix=SIM %s
int count = 9;
int other(int count)
{
    return count;
}
int main()
{
    int count;
    count = 5;
    return count;
}
// CHECK:COUNT: DW 9
// CHECK:COUNTZOTHER EQU $0004
// CHECK:COUNTZMAIN EQU $FFFF
// SIM:result: 5
