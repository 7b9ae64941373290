int i;
int main()
{
    i = -2;
    return i >> 1;
}
