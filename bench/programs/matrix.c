// Product of two 8x8 int matrices with small non-negative elements, indexed
// as one-dimensional arrays; returns a checksum of the product, 4.
int ma[64];
int mb[64];
int mc[64];

int main()
{
    int i;
    int j;
    int k;
    int sum;
    unsigned int check;

    for (i = 0; i < 64; i = i + 1) {
        ma[i] = (i * 7) % 13;
        mb[i] = (i * 5) % 11;
    }
    for (i = 0; i < 8; i = i + 1) {
        for (j = 0; j < 8; j = j + 1) {
            sum = 0;
            for (k = 0; k < 8; k = k + 1) {
                sum = sum + ma[i * 8 + k] * mb[k * 8 + j];
            }
            mc[i * 8 + j] = sum;
        }
    }
    check = 0;
    for (i = 0; i < 64; i = i + 1) {
        check = (check << 1) ^ mc[i] ^ (check >> 15);
    }
    return (check & 255) ^ (check >> 8);
}
