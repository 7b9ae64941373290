// Sieve of Eratosthenes: counts the primes below 1000 (there are 168).
// Run it with: build/quarn-cc --run examples/sieve.c
// Optimized:   build/quarn-cc -O --opt --run examples/sieve.c

// The constants 0 and 1 are ints: char(...) stores them into a char element
// without a note about the narrower type.
char composite[1000];

int main()
{
    int i;
    int j;
    int count;

    i = 0;
    while (i < 1000) {
        composite[i] = char(0);
        i = i + 1;
    }
    count = 0;
    i = 2;
    while (i < 1000) {
        if (composite[i] == 0) {
            count = count + 1;
            // Multiples below i * i are already marked; beyond i = 31 the
            // square is past the end (and would overflow an int).
            if (i < 32) {
                j = i * i;
                while (j < 1000) {
                    composite[j] = char(1);
                    j = j + i;
                }
            }
        }
        i = i + 1;
    }
    return count;
}
