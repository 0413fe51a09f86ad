// Compiles nothing of its own: the target around it builds the precompiled
// headers that the test programs share.
int main()
{
    return 0;
}
