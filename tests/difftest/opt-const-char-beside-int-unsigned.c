// With -O a const char beside an int is folded into a char constant under its widening, an unsigned operand: (i ^ k) < 0 is then compared unsigned; without -O, and with a const int, it stays signed.
// RUN: %run %s | FileCheck --check-prefix=PLAIN %s
// RUN: %run %s -O | FileCheck --check-prefix=FOLDED %s
// PLAIN: result: 3
// FOLDED: result: 2
const char k = 1;
const int kint = 1;
int i;
int found;
int main()
{
    i = -5;
    found = 0;
    if ((i ^ k) < 0)
        found = found | 1;
    if ((i ^ kint) < 0)
        found = found | 2;
    return found;
}
