int main()
{
    int i;
    i = 32767;
    i = i + 1;
    return i;
}
