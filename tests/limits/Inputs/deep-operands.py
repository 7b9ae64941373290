# Writes into the folder given, for every two-operand operator on char and on
# int, a function NAME_c or NAME_i computing v OP (v OP (... v)) with 6
# operators (all in fits.c), which keeps seven operands live, and a source
# with 7 (one per operator).
import sys

OPERATORS = {'add': '+', 'sub': '-', 'and': '&', 'or': '|', 'xor': '^', 'mul': '*', 'div': '/', 'mod': '%',
             'shl': '<<', 'shr': '>>', 'eq': '==', 'ne': '!=', 'lt': '<', 'le': '<=', 'gt': '>', 'ge': '>=',
             'andand': '&&', 'oror': '||'}
fits = 'char c;\nint i;\n'
for type_, v in (('char', 'c'), ('int', 'i')):
    for name, op in OPERATORS.items():
        deep = [v]
        for _ in range(7):
            deep.append('%s %s (%s)' % (v, op, deep[-1]))
        fits += 'int %s_%s() { return %s; }\n' % (name, v, deep[6])
        with open('%s/%s_%s.c' % (sys.argv[1], name, v), 'w') as out:
            out.write('%s %s;\nint main()\n{\n    return %s;\n}\n' % (type_, v, deep[7]))
with open(sys.argv[1] + '/fits.c', 'w') as out:
    out.write(fits)
