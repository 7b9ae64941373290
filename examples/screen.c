// Memory-mapped output: writes HELLO and the decimal digits of 40321 to a
// 40-column text screen at $0400 through outp, then reads the screen back
// with inp. Returns the low byte of the sum of the eleven characters written.
// Run it with: build/quarn-cc --run examples/screen.c
// Optimized:   build/quarn-cc -O --opt --run examples/screen.c

int column;

void put(char c)
{
    outp(1024 + column, c);
    column = column + 1;
}

void putNumber(unsigned int n)
{
    unsigned int divisor;
    divisor = 10000;
    while (divisor != 0) {
        put(48 + n / divisor % 10);
        divisor = divisor / 10;
    }
}

int main()
{
    int i;
    int sum;

    column = 0;
    put(72);
    put(69);
    put(76);
    put(76);
    put(79);
    put(32);
    putNumber(40321);

    sum = 0;
    i = 0;
    while (i < column) {
        sum = sum + inp(1024 + i);
        i = i + 1;
    }
    return sum;
}
