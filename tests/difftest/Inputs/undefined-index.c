int a[4];
unsigned char k;
int main()
{
    k = 4;
    a[k] = 1;
    return 0;
}
