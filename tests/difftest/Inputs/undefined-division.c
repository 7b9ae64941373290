unsigned char z;
int main()
{
    return 7 % z;
}
