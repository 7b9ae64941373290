// A carriage return is white space: sources with CRLF line ends compile, and
// diagnostics count their lines as usual.
// RUN: rm -rf %t && mkdir -p %t
// RUN: printf 'int x;\r\nint main()\r\n{\r\n    return 3;\r\n}\r\n' > %t/ok.c
// RUN: %run %t/ok.c | FileCheck --check-prefix=SIM %s
// RUN: printf 'int x;\r\nint y;\r\n\r\nint x;\r\n' > %t/twice.c
// RUN: %status 2 %quarn %t/twice.c %t/twice.asm 2> %t/twice.err
// RUN: %check --check-prefix=ERR %s < %t/twice.err
// SIM:result: 3
// ERR:line 4: symbol redefinition
