char c;
int i;
int f()
{
    break;
}
int g()
{
    c = i;
}
