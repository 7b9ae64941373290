// The reported result is the low byte of main's return value, in decimal;
// 126 and 127, the simulator's own error statuses, are results like any
// other.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %run %s 2>/dev/null | %check %s
// CHECK:result: 44
// CHECK-NEXT:cycles: {{[0-9]+}}
// RUN: sed 's/return 300;/return -1;/' %s > %t/minus.c
// RUN: %run %t/minus.c 2>/dev/null | %check --check-prefix=MINUS %s
// MINUS:result: 255
// RUN: sed 's/return 300;/return 126;/' %s > %t/limit.c
// RUN: %run %t/limit.c 2>/dev/null | %check --check-prefix=LIMIT %s
// LIMIT:result: 126
// RUN: sed 's/return 300;/return 383;/' %s > %t/illegal.c
// RUN: %run %t/illegal.c 2>/dev/null | %check --check-prefix=ILLEGAL %s
// ILLEGAL:result: 127
int main()
{
    return 300;
}
