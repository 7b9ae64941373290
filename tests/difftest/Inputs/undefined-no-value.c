int f(int a)
{
    if (a > 0)
        return a;
}
int main()
{
    return f(0);
}
