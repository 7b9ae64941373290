#!/usr/bin/env python3
"""Runs a generated program with C's meaning on a 16-bit int machine and
returns the low byte of main's result: the third opinion when Quarn and
cc65 disagree, and a check of the generator, which must never write a
program whose behaviour C leaves undefined.

usage: interp.py PROG.c     prints "result: N", or "undefined: WHY" (status 1)

It reads only what gen.py writes: file-level and local scalars and arrays of
char, short and int (signed or unsigned), const values, static locals,
pointers to char arrays, the casts int(e), short(e) and char(e) (which the
program's #define lines give cc65), functions with parameters, the
statements if/else, for, while, do, goto and labels, return, assignments and
calls, and the C operators. int is 16 bits, char 8 bits and signed; a value
converted to a signed type wraps, as cc65 does. Undefined behaviour stops
the run: signed overflow, a shift count out of range, a negative value
shifted, division by zero, an index out of bounds, a read of a variable never
assigned, a function that ends without a value its caller uses, and steps
beyond a bound.
"""
import re
import sys

STEP_LIMIT = 2_000_000
CALL_DEPTH_LIMIT = 200


class Undefined(Exception):
    pass


class CType:
    def __init__(self, bits, signed):
        self.bits = bits
        self.signed = signed

    def wrap(self, v):
        v &= (1 << self.bits) - 1
        if self.signed and v >= 1 << (self.bits - 1):
            v -= 1 << self.bits
        return v


SCHAR = CType(8, True)
UCHAR = CType(8, False)
INT = CType(16, True)
UINT = CType(16, False)
# The type of a pointer value: ('ptr', storage cell, element offset).
POINTER = CType(16, False)
TYPE_WORDS = ('unsigned', 'signed', 'char', 'int', 'short', 'void', 'const', 'static')

TOKEN = re.compile(r'\s*(?:(//[^\n]*|#[^\n]*)|(0[xX][0-9A-Fa-f]+|\d+)|([A-Za-z_]\w*)|(<<|>>|<=|>=|==|!=|&&|\|\||[-+*/%<>=!~&|^(){}\[\];,:]))')


def tokenize(text):
    tokens = []
    pos = 0
    text = text.rstrip()
    while pos < len(text):
        m = TOKEN.match(text, pos)
        if not m:
            raise SyntaxError('cannot read %r' % text[pos:pos + 20])
        pos = m.end()
        if m.group(1):
            continue
        if m.group(2):
            digits = m.group(2)
            if digits[:2] in ('0x', '0X'):
                value = int(digits, 16)
            elif len(digits) > 1 and digits[0] == '0':
                value = int(digits, 8)
            else:
                value = int(digits)
            tokens.append(('num', value))
        elif m.group(3):
            tokens.append(('id', m.group(3)))
        else:
            tokens.append(('op', m.group(4)))
    tokens.append(('end', None))
    return tokens


class Parser:
    def __init__(self, text):
        self.tokens = tokenize(text)
        self.pos = 0

    def peek(self, k=0):
        return self.tokens[self.pos + k]

    def take(self, value=None):
        tok = self.tokens[self.pos]
        if value is not None and tok[1] != value:
            raise SyntaxError('expected %s, found %s' % (value, tok[1]))
        self.pos += 1
        return tok

    def at(self, value):
        return self.peek()[1] == value

    def is_type_start(self):
        return self.peek()[0] == 'id' and self.peek()[1] in TYPE_WORDS

    def type_spec(self):
        """A type; `static` before it is noted in self.static."""
        signed = None
        base = None
        self.static = False
        while self.peek()[0] == 'id' and self.peek()[1] in TYPE_WORDS:
            word = self.take()[1]
            if word == 'unsigned':
                signed = False
            elif word == 'signed':
                signed = True
            elif word == 'static':
                self.static = True
            elif word != 'const':
                base = word
        if base == 'void':
            return None
        if base == 'char':
            return UCHAR if signed is False else SCHAR
        return UINT if signed is False else INT

    def program(self):
        globals_ = []
        functions = {}
        while self.peek()[0] != 'end':
            ctype = self.type_spec()
            name = self.take()[1]
            if self.at('('):
                functions[name] = self.function(ctype, name)
            else:
                globals_ += self.declarators(ctype, name, True)
        return globals_, functions

    def declarators(self, ctype, name, allow_init):
        """(name, type, element count, initial value, static, pointer) of
        each name of one declaration; name is the first one, or '*'."""
        result = []
        static = self.static
        while True:
            pointer = False
            if name == '*':
                pointer = True
                name = self.take()[1]
            if pointer:
                result.append((name, ctype, None, None, static, True))
            elif self.at('['):
                self.take('[')
                length = self.take()[1]
                self.take(']')
                result.append((name, ctype, length, None, static, False))
            elif self.at('='):
                self.take('=')
                negative = False
                if self.at('-'):
                    self.take('-')
                    negative = True
                value = self.take()[1]
                result.append((name, ctype, None, -value if negative else value, static, False))
            else:
                result.append((name, ctype, None, None, static, False))
            if self.at(','):
                self.take(',')
                name = self.take()[1]
                continue
            self.take(';')
            return result

    def function(self, ctype, name):
        self.take('(')
        params = []
        while not self.at(')'):
            ptype = self.type_spec()
            params.append((self.take()[1], ptype))
            if self.at(','):
                self.take(',')
        self.take(')')
        self.take('{')
        local = []
        while self.is_type_start():
            vtype = self.type_spec()
            local += self.declarators(vtype, self.take()[1], False)
        statics = {}
        for lname, ltype, length, init, static, pointer in local:
            if static:
                statics[lname] = Machine.storage(ltype, length, ltype.wrap(init or 0))
        body = []
        while not self.at('}'):
            body.append(self.statement())
        self.take('}')
        return {'name': name, 'type': ctype, 'params': params, 'locals': local, 'body': body,
                'statics': statics}

    def statement(self):
        tok = self.peek()
        if tok[1] == '{':
            self.take('{')
            body = []
            while not self.at('}'):
                body.append(self.statement())
            self.take('}')
            return ('block', body)
        if tok[1] == 'if':
            self.take('if')
            self.take('(')
            cond = self.expression()
            self.take(')')
            then = self.statement()
            other = None
            if self.at('else'):
                self.take('else')
                other = self.statement()
            return ('if', cond, then, other)
        if tok[1] == 'while':
            self.take('while')
            self.take('(')
            cond = self.expression()
            self.take(')')
            return ('while', cond, self.statement())
        if tok[1] == 'do':
            self.take('do')
            body = self.statement()
            self.take('while')
            self.take('(')
            cond = self.expression()
            self.take(')')
            self.take(';')
            return ('do', body, cond)
        if tok[1] == 'for':
            self.take('for')
            self.take('(')
            init = self.simple()
            self.take(';')
            cond = self.expression()
            self.take(';')
            step = self.simple()
            self.take(')')
            return ('for', init, cond, step, self.statement())
        if tok[1] == 'goto':
            self.take('goto')
            label = self.take()[1]
            self.take(';')
            return ('goto', label)
        if tok[1] == 'return':
            self.take('return')
            value = self.expression()
            self.take(';')
            return ('return', value)
        if tok[0] == 'id' and self.peek(1)[1] == ':':
            self.take()
            self.take(':')
            return ('label', tok[1])
        s = self.simple()
        self.take(';')
        return s

    def simple(self):
        """An assignment or a call; *p = v stores through p."""
        if self.at('*'):
            self.take('*')
            name = self.take()[1]
            self.take('=')
            return ('assign', name, ('num', 0), self.expression())
        name = self.take()[1]
        if self.at('('):
            return ('expr', self.call(name))
        index = None
        if self.at('['):
            self.take('[')
            index = self.expression()
            self.take(']')
        self.take('=')
        return ('assign', name, index, self.expression())

    def call(self, name):
        self.take('(')
        args = []
        while not self.at(')'):
            args.append(self.expression())
            if self.at(','):
                self.take(',')
        self.take(')')
        return ('call', name, args)

    LEVELS = [['||'], ['&&'], ['|'], ['^'], ['&'], ['==', '!='], ['<', '<=', '>', '>='],
              ['<<', '>>'], ['+', '-'], ['*', '/', '%']]

    def expression(self, level=0):
        if level == len(self.LEVELS):
            return self.unary()
        left = self.expression(level + 1)
        while self.peek()[0] == 'op' and self.peek()[1] in self.LEVELS[level]:
            op = self.take()[1]
            right = self.expression(level + 1)
            left = ('bin', op, left, right)
        return left

    def unary(self):
        tok = self.peek()
        if tok[1] in ('-', '~', '!', '+', '*'):
            self.take()
            return ('un', tok[1], self.unary())
        if tok[1] == '(':
            self.take('(')
            e = self.expression()
            self.take(')')
            return e
        if tok[0] == 'num':
            self.take()
            return ('num', tok[1])
        if tok[1] in ('int', 'short', 'char') and self.peek(1)[1] == '(':
            # Quarn's cast int(e), which the program's #define makes C's.
            self.take()
            self.take('(')
            e = self.expression()
            self.take(')')
            return ('cast', SCHAR if tok[1] == 'char' else INT, e)
        name = self.take()[1]
        if self.at('('):
            return self.call(name)
        if self.at('['):
            self.take('[')
            index = self.expression()
            self.take(']')
            return ('elem', name, index)
        return ('var', name)


class Goto(Exception):
    def __init__(self, label):
        self.label = label


class Return(Exception):
    def __init__(self, value):
        self.value = value


class Machine:
    def __init__(self, globals_, functions):
        self.functions = functions
        self.globals = {}
        for name, ctype, length, init, _, pointer in globals_:
            self.globals[name] = self.storage(POINTER if pointer else ctype, length,
                                              0 if init is None else ctype.wrap(init))
        self.steps = 0
        self.depth = 0

    @staticmethod
    def storage(ctype, length, value):
        if length is None:
            return {'type': ctype, 'value': value}
        return {'type': ctype, 'values': [value] * length}

    def step(self):
        self.steps += 1
        if self.steps > STEP_LIMIT:
            raise Undefined('more than %d steps' % STEP_LIMIT)

    def lookup(self, frame, name):
        if name in frame:
            return frame[name]
        if name in self.globals:
            return self.globals[name]
        raise Undefined('unknown name %s' % name)

    # Values are (number, ctype) after the integer promotions: INT or UINT.
    @staticmethod
    def promote(value, ctype):
        if ctype is UINT or ctype is POINTER:
            return value, ctype
        return value, INT

    def read(self, cell, index=None):
        if index is None:
            value = cell['value']
        else:
            values = cell['values']
            if not 0 <= index < len(values):
                raise Undefined('index %d outside %d elements' % (index, len(values)))
            value = values[index]
        if value is None:
            raise Undefined('read of a variable never assigned')
        return self.promote(value, cell['type'])

    def evaluate(self, e, frame):
        self.step()
        kind = e[0]
        if kind == 'num':
            if e[1] > 32767:
                raise Undefined('constant %d is long' % e[1])
            return e[1], INT
        if kind == 'var':
            cell = self.lookup(frame, e[1])
            if 'values' in cell:
                return ('ptr', cell, 0), POINTER     # an array stands for its address
            return self.read(cell)
        if kind == 'elem':
            index, _ = self.evaluate(e[2], frame)
            return self.read(self.lookup(frame, e[1]), index)
        if kind == 'un' and e[1] == '*':
            pointer, ptype = self.evaluate(e[2], frame)
            if ptype is not POINTER:
                raise Undefined('* of a value that is not a pointer')
            _, cell, offset = pointer
            return self.read(cell, offset)
        if kind == 'cast':
            value, _ = self.evaluate(e[2], frame)
            return self.promote(e[1].wrap(value), e[1])
        if kind == 'call':
            value, ctype = self.call(e[1], [self.evaluate(a, frame) for a in e[2]], True)
            return self.promote(value, ctype)
        if kind == 'un':
            return self.unary(e[1], self.evaluate(e[2], frame))
        op = e[1]
        if op == '&&':
            if not self.evaluate(e[2], frame)[0]:
                return 0, INT
            return (1 if self.evaluate(e[3], frame)[0] else 0), INT
        if op == '||':
            if self.evaluate(e[2], frame)[0]:
                return 1, INT
            return (1 if self.evaluate(e[3], frame)[0] else 0), INT
        return self.binary(op, self.evaluate(e[2], frame), self.evaluate(e[3], frame))

    @staticmethod
    def checked(value, ctype, what):
        if ctype is UINT:
            return value & 0xFFFF, UINT
        if not -32768 <= value <= 32767:
            raise Undefined('signed overflow in %s' % what)
        return value, INT

    def unary(self, op, operand):
        value, ctype = operand
        if op == '+':
            return value, ctype
        if op == '-':
            return self.checked(-value, ctype, 'negation')
        if op == '~':
            return ctype.wrap(~value), ctype
        return (0 if value else 1), INT

    def binary(self, op, left, right):
        (a, ta), (b, tb) = left, right
        if POINTER in (ta, tb):
            if op != '+' or ta is tb:
                raise Undefined('%s on a pointer' % op)
            (pointer, _), (k, _) = (left, right) if ta is POINTER else (right, left)
            return ('ptr', pointer[1], pointer[2] + k), POINTER
        if op in ('<<', '>>'):
            if not 0 <= b < 16 or tb is INT and b < 0:
                raise Undefined('shift count %d' % b)
            if op == '<<':
                if ta is INT and a < 0:
                    raise Undefined('negative value shifted left')
                return self.checked(a << b, ta, 'shift')
            if ta is INT and a < 0:
                raise Undefined('negative value shifted right (implementation-defined)')
            return a >> b, ta
        common = UINT if UINT in (ta, tb) else INT
        if common is UINT:
            a, b = a & 0xFFFF, b & 0xFFFF
        if op in ('<', '<=', '>', '>=', '==', '!='):
            result = {'<': a < b, '<=': a <= b, '>': a > b, '>=': a >= b,
                      '==': a == b, '!=': a != b}[op]
            return (1 if result else 0), INT
        if op in ('&', '|', '^'):
            value = {'&': a & b, '|': a | b, '^': a ^ b}[op]
            return common.wrap(value), common
        if op in ('/', '%'):
            if b == 0:
                raise Undefined('division by zero')
            q = abs(a) // abs(b)
            if (a < 0) != (b < 0):
                q = -q
            value = q if op == '/' else a - q * b
            return self.checked(value, common, 'division')
        value = {'+': a + b, '-': a - b, '*': a * b}[op]
        return self.checked(value, common, op)

    def call(self, name, args, value_used):
        f = self.functions.get(name)
        if f is None:
            raise Undefined('unknown function %s' % name)
        self.depth += 1
        if self.depth > CALL_DEPTH_LIMIT:
            raise Undefined('calls nested too deep')
        frame = {}
        for (pname, ptype), (value, _) in zip(f['params'], args):
            frame[pname] = self.storage(ptype, None, ptype.wrap(value))
        for lname, ltype, length, _, static, pointer in f['locals']:
            if static:
                frame[lname] = f['statics'][lname]
            else:
                frame[lname] = self.storage(POINTER if pointer else ltype, length, None)
        try:
            self.run_list(f['body'], frame)
            result = None
        except Return as r:
            result = r.value
        except Goto as g:
            raise Undefined('no label %s' % g.label)
        self.depth -= 1
        if f['type'] is None:
            return 0, INT
        if result is None:
            if value_used:
                raise Undefined('%s ends without a value' % name)
            return 0, INT
        return f['type'].wrap(result[0]), f['type']

    def run_list(self, statements, frame):
        i = 0
        while i < len(statements):
            try:
                self.execute(statements[i], frame)
                i += 1
            except Goto as g:
                targets = [k for k, s in enumerate(statements) if s[0] == 'label' and s[1] == g.label]
                if not targets:
                    raise
                i = targets[0]

    def truth(self, e, frame):
        return self.evaluate(e, frame)[0] != 0

    def execute(self, s, frame):
        self.step()
        kind = s[0]
        if kind == 'block':
            self.run_list(s[1], frame)
        elif kind == 'if':
            if self.truth(s[1], frame):
                self.execute(s[2], frame)
            elif s[3] is not None:
                self.execute(s[3], frame)
        elif kind == 'while':
            while self.truth(s[1], frame):
                self.execute(s[2], frame)
        elif kind == 'do':
            while True:
                self.execute(s[1], frame)
                if not self.truth(s[2], frame):
                    break
        elif kind == 'for':
            self.execute(s[1], frame)
            while self.truth(s[2], frame):
                self.execute(s[4], frame)
                self.execute(s[3], frame)
        elif kind == 'goto':
            raise Goto(s[1])
        elif kind == 'label':
            pass
        elif kind == 'return':
            raise Return(self.evaluate(s[1], frame))
        elif kind == 'expr':
            e = s[1]
            self.call(e[1], [self.evaluate(a, frame) for a in e[2]], False)
        elif kind == 'assign':
            cell = self.lookup(frame, s[1])
            if cell['type'] is POINTER and s[2] is not None:
                # p[i] = v and *p = v store into what p points to.
                pointer = self.read(cell)[0]
                index, _ = self.evaluate(s[2], frame)
                target, offset = pointer[1], pointer[2] + index
                value, _ = self.evaluate(s[3], frame)
                if not 0 <= offset < len(target['values']):
                    raise Undefined('store through a pointer outside the array')
                target['values'][offset] = target['type'].wrap(value)
            elif cell['type'] is POINTER:
                value, vtype = self.evaluate(s[3], frame)
                if vtype is not POINTER:
                    raise Undefined('a number assigned to a pointer')
                cell['value'] = value
            elif s[2] is None:
                value, _ = self.evaluate(s[3], frame)
                cell['value'] = cell['type'].wrap(value)
            else:
                index, _ = self.evaluate(s[2], frame)
                value, _ = self.evaluate(s[3], frame)
                if not 0 <= index < len(cell['values']):
                    raise Undefined('store to index %d outside %d elements'
                                    % (index, len(cell['values'])))
                cell['values'][index] = cell['type'].wrap(value)


def run_program(text):
    """The low byte of main's result, or raises Undefined."""
    globals_, functions = Parser(text).program()
    machine = Machine(globals_, functions)
    value, _ = machine.call('main', [], True)
    return value & 0xFF


def main():
    if len(sys.argv) != 2:
        sys.stderr.write('usage: interp.py PROG.c\n')
        sys.exit(2)
    with open(sys.argv[1]) as f:
        text = f.read()
    try:
        print('result: %d' % run_program(text))
    except Undefined as u:
        print('undefined: %s' % u)
        sys.exit(1)


if __name__ == '__main__':
    main()
