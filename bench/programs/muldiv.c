// Multiplication, division and modulo of non-negative ints and of bytes in a
// loop: a digit sum, a modular product and a mixed running total; returns
// 169.
unsigned int digitsum(unsigned int value)
{
    unsigned int sum;

    sum = 0;
    while (value > 0) {
        sum = sum + value % 10;
        value = value / 10;
    }
    return sum;
}

int main()
{
    unsigned int i;
    unsigned int total;
    unsigned int product;
    unsigned char a;
    unsigned char b;
    unsigned char c;

    total = 0;
    product = 1;
    for (i = 1; i < 400; i = i + 1) {
        total = total + digitsum(i * 163);
        product = (product * 31 + i) % 1009;
        total = total + (i * i) / (i + 7);
    }
    a = 13;
    b = 0;
    for (i = 0; i < 200; i = i + 1) {
        c = a * 7;
        b = b ^ (c / 3) ^ (c % 5);
        a = a + 1;
    }
    return (total & 255) ^ product ^ b;
}
