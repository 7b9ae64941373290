// C's values on a 16-bit int machine, as interp.py must compute them.
unsigned char uc;
signed char sc;
unsigned int u;
int i;
int r;
int twice(signed char c)
{
    return c + c;
}
int main()
{
    uc = 200;
    sc = uc;                       // -56
    r = 0;
    if (sc == -56)
        r = r + 1;
    if (uc + uc == 400)            // promoted to int, no wrap at 8 bits
        r = r + 2;
    u = 0;
    u = u - 1;
    if (u + 1 == 0)
        r = r + 4;
    i = -7;
    if (i / 2 == -3 && (i % 2 == -1))
        r = r + 8;
    u = 1;
    if (!(i < u))                  // compared as unsigned: 65529 < 1 is false
        r = r + 16;
    if (twice(uc) == -112)         // the argument is converted to signed char
        r = r + 32;
    i = 1;
    i = i << 14;
    if ((i >> 13) == 2 && ~i == -16385)
        r = r + 64;
    return r + 256;
}
