unsigned int u;
int main()
{
    u = 1;
    return u << 16;
}
