char c;
int i;
int g()
{
    c = i;
}
int f()
{
    break;
}
