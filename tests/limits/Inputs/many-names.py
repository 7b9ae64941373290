#!/usr/bin/env python3
"""Writes sources that fill the symbol table or the name store.

  many-names.py globals COUNT [LOCALS...]
      COUNT file-level char variables, one per line, then a function f whose
      body declares one char local for each further name given
  many-names.py long COUNT LAST
      COUNT file-level char variables with names of 255 characters, then one
      whose name has LAST characters
  many-names.py functions COUNT LENGTH
      COUNT functions f0, f1, ..., one per line, each declaring one char
      local whose name has LENGTH characters
"""
import sys


def long_name(number, length):
    prefix = 'n%d_' % number
    return prefix + 'x' * (length - len(prefix))


mode = sys.argv[1]
if mode == 'globals':
    for i in range(int(sys.argv[2])):
        print('char g%d;' % i)
    locals_ = sys.argv[3:]
    if locals_:
        print('void f()')
        print('{')
        for name in locals_:
            print('    char %s;' % name)
        print('}')
elif mode == 'long':
    count = int(sys.argv[2])
    for i in range(count):
        print('char %s;' % long_name(i, 255))
    print('char %s;' % long_name(count, int(sys.argv[3])))
elif mode == 'functions':
    for i in range(int(sys.argv[2])):
        print('void f%d() { char %s; }' % (i, long_name(i, int(sys.argv[3]))))
else:
    sys.exit('unknown mode ' + mode)
