// 08, 019, 0L, 1e5 and "7." before a newline (counted once) are two tokens
// each, so the declaration misses its ';'. A character that is no token stops
// a file-level declaration; read as an operator it takes the next character
// along, so a newline right after it is counted at once. NUL is a blank, a
// byte of 255 ends the input. A name declared twice in one scope is fatal (CR
// is a blank): a parameter may reuse a file-level name, not a parameter's.
// RUN: rm -rf %t && mkdir -p %t && printf '\nint a = 08;' > %t/a.c && %status 2 %quarn %t/a.c %t/a.asm 2> %t/a.err && %check --check-prefix=SPLIT %s < %t/a.err
// RUN: printf '\nint a = 019;' > %t/b.c && %status 2 %quarn %t/b.c %t/b.asm 2> %t/b.err && %check --check-prefix=SPLIT %s < %t/b.err
// RUN: printf '\nint a = 0L;' > %t/c.c && %status 2 %quarn %t/c.c %t/c.asm 2> %t/c.err && %check --check-prefix=SPLIT %s < %t/c.err
// RUN: printf '\nint a = 1e5;' > %t/d.c && %status 2 %quarn %t/d.c %t/d.asm 2> %t/d.err && %check --check-prefix=SPLIT %s < %t/d.err
// RUN: printf 'int a = 7.\n;' > %t/e.c && %status 2 %quarn %t/e.c %t/e.asm 2> %t/e.err && %check --check-prefix=SPLIT %s < %t/e.err
// SPLIT:error: expected ; but found ID
// SPLIT-NEXT:line 2: syntax error
// RUN: printf '# define A\n@x;' > %t/f.c && %status 2 %quarn %t/f.c %t/f.asm 2> %t/f.err && %check --check-prefix=STRAY %s < %t/f.err
// RUN: printf '@\n' > %t/g.c && %status 2 %quarn %t/g.c %t/g.asm 2> %t/g.err && %check --check-prefix=STRAY %s < %t/g.err
// RUN: printf '\n\177\n' > %t/h.c && %status 2 %quarn %t/h.c %t/h.asm 2> %t/h.err && %check --check-prefix=STRAY %s < %t/h.err
// RUN: printf 'int x;\n\310\n' > %t/i.c && %status 2 %quarn %t/i.c %t/i.asm 2> %t/i.err && %check --check-prefix=STRAY %s < %t/i.err
// STRAY:error: expected extern or static but found ID
// STRAY-NEXT:line 2: syntax error
// RUN: printf 'int\000x;\n\377 @@\nint y;' > %t/j.c && %quarn %t/j.c %t/j.asm && %check --check-prefix=END %s < %t/j.asm
// END:X DS 2
// END-NEXT: DB 81
// RUN: printf 'int y;\r\nint z;\r\n\r\nint x, x;' > %t/k.c && %status 2 %quarn %t/k.c %t/k.asm 2> %t/k.err && %check --check-prefix=TWICE %s < %t/k.err
// RUN: printf 'int a;\nint f(int a,\n\n int a)' > %t/l.c && %status 2 %quarn %t/l.c %t/l.asm 2> %t/l.err && %check --check-prefix=TWICE %s < %t/l.err
// RUN: printf 'int f(int a)\n{\n char b;\n int a;\n}' > %t/m.c && %status 2 %quarn %t/m.c %t/m.asm 2> %t/m.err && %check --check-prefix=TWICE %s < %t/m.err
// TWICE:line 4: symbol redefinition
// TWICE-NOT:{{.}}
