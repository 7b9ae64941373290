// inp and inpw read what outp and outpw wrote; an expression nested seven deep uses every temporary up to R2EH and still adds up.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 7
int i;
int main()
{
    int r;
    r = 0;
    outp(768, 77);
    if (inp(768) == 77) r = r + 1;
    outpw(770, 1234);
    if (inpw(770) == 1234) r = r + 2;
    i = 5;
    if (i + (i + (i + (i + (i + (i + i))))) == 35) r = r + 4;
    return r;
}
