// Sieve of Eratosthenes over 2000 bytes: returns the number of primes below
// 2000 (303), low byte 47.
unsigned char composite[2000];

int main()
{
    int i;
    int j;
    int count;

    i = 0;
    while (i < 2000) {
        composite[i] = 0;
        i = i + 1;
    }
    count = 0;
    for (i = 2; i < 2000; i = i + 1) {
        if (composite[i] == 0) {
            count = count + 1;
            if (i < 45) {
                for (j = i * i; j < 2000; j = j + i) {
                    composite[j] = 1;
                }
            }
        }
    }
    return count;
}
