// The trailer closes the output after the last function: the signature bytes
// 81 and 88, a comment line holding a blank, and END written as a comment, so
// the output ends without an active END directive.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %quarn %s %t/out.asm
// RUN: %check %s < %t/out.asm
int main()
{
}
// CHECK:ZMAIN EQU *
// CHECK: RTS
// CHECK-NEXT: DB 81
// CHECK-NEXT: DB 88
// CHECK-NEXT:* 
// CHECK-NEXT:* END * ZMAIN
// CHECK-NOT:{{.}}
