// Included by cpp.c through --include-dir.
#define TWICE(x) ((x) + (x))
int fromHeader = 4;
#ifdef BROKEN
int bad[n];
#endif
