// Standard output is flushed before each message to standard error: with both
// streams in one file, the banner and each assignment note (standard output)
// come before the truncation warning (standard error) that follows the note.
// RUN: rm -rf %t && mkdir -p %t
// RUN: %status 1 %quarn %s %t/out.asm > %t/both 2>&1
// RUN: %check %s < %t/both
char c;
int i;
int f()
{
    c = i + 1;
    c = i + 2;
}
// The newline after each ';' is counted when the ';' is read, so both
// messages of a statement name the line after it.
// CHECK:Velmora C Compiler (Quarn) version 1.03.24.0110
// CHECK-NEXT:line [[#@LINE-5]]: note: lvalue expected 03 type, rvalue found 04 type
// CHECK-NEXT:line [[#@LINE-6]]: warning: type truncation of rvalue to lvalue, possible data loss
// CHECK-NEXT:line [[#@LINE-6]]: note: lvalue expected 03 type, rvalue found 04 type
// CHECK-NEXT:line [[#@LINE-7]]: warning: type truncation of rvalue to lvalue, possible data loss
// CHECK-NOT:{{.}}
