// A program that never ends is stopped at the cycle limit and reported, with
// exit status 3 and no result line.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 3 %run --limit 20000 %s > %t/out 2> %t/err
// RUN: %check %s < %t/err
// RUN: count 0 < %t/out
// CHECK:quarn-run: cycle limit of 20000 reached: the program did not end
int main()
{
    int i;
    i = 0;
    while (i == 0) {
        i = 0;
    }
    return 1;
}
