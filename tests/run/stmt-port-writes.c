// outp writes one byte and outpw two bytes, low byte first, at a memory address; inp and inpw read them back.
// RUN: %run %s | FileCheck %s
// RUN: %run %s -O | FileCheck %s
// CHECK: result: 66
int main()
{
    int v;
    outpw(1024, 4660);                // $1234 at $0400: $34 then $12
    outp(1026, 9);
    outp(1027, 300);                  // only the low byte, 44
    v = inp(1024) - 52;               // 0
    v = v + inp(1025) - 18;           // 0
    if (inpw(1024) == 4660) v = v + 13;
    v = v + inp(1026) + inp(1027);    // 13 + 9 + 44
    return v;
}
