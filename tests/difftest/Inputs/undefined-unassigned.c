int main()
{
    int x;
    int y;
    y = 0;
    return x + y;
}
