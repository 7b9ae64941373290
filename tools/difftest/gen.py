#!/usr/bin/env python3
"""Writes a random C program that Quarn and cc65 must both compile to the
same result: main returns a checksum byte of every value the program
computed.

usage: gen.py SEED [--size small|normal] [--asm]

--asm adds inline assembly statements (Quarn only: the optimizer's test).

The programs stay inside the part of the language where Quarn's meaning and
C's agree (docs/language.md lists the places where they differ). To stay
there the generator follows every expression with two readings at once:

- C's: the value range of the expression after the integer promotions, and
  whether its type is unsigned int. An operation whose int result could
  overflow is not written, and / % >> and the comparisons only see operands
  whose value they read the same way in both languages.
- Quarn's: the width the expression is computed in (8 bits when every
  operand is a char, else 16), and the signedness a comparison would take
  from it, once without and once with -O (which turns * 1 into the operand
  itself and % 8 into & 7, and so changes the signedness).

Both readings agree on the low byte (or word) of every value; where a wider
use needs more (widening a char, dividing, comparing), the operand must be
exact: its C value is the unsigned value of its bits, or, for a signed
comparison, the signed value.

Other rules the programs keep: conditions are comparisons (or !, && and ||
of comparisons); shift counts are 1 .. width-1 (a count of 0 is not a plain
shift in Quarn); every variable is assigned before it is read; declarations
open the function body and locals have no initialisers; a call argument has
the parameter's width and a return value the function's; an expression
holding a call reads no file-level variable and holds no second call (the
order of evaluation is C's to choose); loops are counted and recursion is
bounded; the stack page holds the deepest chain of frames; expressions need
at most six two-byte temporaries.
"""
import copy
import random
import sys

INT_MIN = -32768
INT_MAX = 32767

# Precedence levels of the printer, tightest first.
PRIMARY, UNARY, MUL, ADD, SHIFT, REL, BAND, BXOR, BOR, LAND, LOR = range(11)
LEVEL_OF = {'*': MUL, '/': MUL, '%': MUL, '+': ADD, '-': ADD, '<<': SHIFT, '>>': SHIFT,
            '&': BAND, '^': BXOR, '|': BOR}

# Temporaries: seven two-byte slots from BX up; an assignment keeps its
# target address in the first, so a right-hand side may use six.
VALUE_SLOTS = 6
# Bytes of the 6502 stack page the deepest call chain may use.
STACK_BUDGET = 200
# Statement executions (loop counts multiplied out) a whole program may cost.
WORK_BUDGET = 4000
# Quarn writes two bytes of code or more per source character: a longer source
# may not fit between the program's origin and the top of memory.
MAX_SOURCE_CHARS = 20000


class Type:
    def __init__(self, key, width, signed, spellings):
        self.key = key
        self.width = width
        self.signed = signed
        self.spellings = spellings

    def range(self):
        if self.signed:
            return -(1 << (self.width - 1)), (1 << (self.width - 1)) - 1
        return 0, (1 << self.width) - 1

    def size(self):
        return self.width // 8


UC = Type('uc', 8, False, ['unsigned char'])
# Plain char is signed in Quarn; cc65 is run with --signed-chars.
SC = Type('sc', 8, True, ['signed char', 'char'])
UI = Type('ui', 16, False, ['unsigned int', 'unsigned short', 'unsigned int'])
SI = Type('si', 16, True, ['int', 'short', 'signed int', 'int'])
TYPES = [UC, SC, UI, SI]


class Var:
    def __init__(self, name, vtype, kind, length=None, value=None, pointee=None):
        self.name = name
        self.type = vtype
        # 'global', 'const' (a file-level constant), 'local', 'static' (a
        # local that keeps its value between calls) or 'param'
        self.kind = kind
        self.length = length        # element count of an array, else None
        self.value = value          # initial value of a const or static
        self.pointee = pointee      # the char array a pointer local points to

    def shared(self):
        """Its value can change during a call made by someone else."""
        return self.kind in ('global', 'static') or self.pointee is not None

    def assignable(self):
        return self.kind != 'const'


class Expr:
    """One generated expression and what both readings know about it."""

    def __init__(self, text, level, width, lo, hi, unsigned, signs,
                 const=None, slots=1, calls=0, globals_read=False, negative_literal=False):
        self.text = text
        self.level = level
        self.width = width              # Quarn's width: 8 or 16
        self.lo = lo                    # C value range after promotion
        self.hi = hi
        self.unsigned = unsigned        # C type is unsigned int
        self.signs = signs              # Quarn signedness without and with -O (None: constant)
        self.const = const
        self.slots = slots              # two-byte temporaries needed
        self.calls = calls
        self.globals_read = globals_read
        self.negative_literal = negative_literal
        # The value of a literal or of a const variable: -O folds both.
        self.known = const
        # Holds an unsigned char operand: cc65 then compares unsigned.
        self.has_uc = False
        # A chain of one level whose operands all have one width.
        self.uniform = True

    def exact(self, width=None):
        """The C value equals the unsigned value of the Quarn bits."""
        w = self.width if width is None else width
        return self.lo >= 0 and self.hi < (1 << w)


def cover_bits(values):
    """Smallest k such that every value lies in [-2^k, 2^k - 1]."""
    k = 0
    while not all(-(1 << k) <= v <= (1 << k) - 1 for v in values):
        k += 1
    return k


def as_unsigned(lo, hi):
    """The range of an int value converted to unsigned int."""
    if lo >= 0:
        return lo, hi
    if hi < 0:
        return lo + 65536, hi + 65536
    return 0, 65535


def fit(lo, hi, unsigned):
    """The C range of a result, or None when an int result could overflow."""
    if unsigned:
        if lo < 0 or hi > 65535:
            return 0, 65535
        return lo, hi
    if lo < INT_MIN or hi > INT_MAX:
        return None
    return lo, hi


def bitwise_range(op, a, b):
    (alo, ahi), (blo, bhi) = a, b
    if op == '&':
        if alo >= 0 and blo >= 0:
            return 0, min(ahi, bhi)
        if alo >= 0:
            return 0, ahi
        if blo >= 0:
            return 0, bhi
    k = cover_bits([alo, ahi, blo, bhi])
    if alo >= 0 and blo >= 0:
        # x | y is at least the larger of the two.
        return (max(alo, blo) if op == '|' else 0), (1 << k) - 1
    return -(1 << k), (1 << k) - 1


def arithmetic_range(op, a, b):
    (alo, ahi), (blo, bhi) = a, b
    if op == '+':
        return alo + blo, ahi + bhi
    if op == '-':
        return alo - bhi, ahi - blo
    corners = [alo * blo, alo * bhi, ahi * blo, ahi * bhi]
    return min(corners), max(corners)


class Function:
    def __init__(self, name, result, params, index):
        self.name = name
        self.result = result        # a Type or None for void
        self.params = params        # list of Var
        self.index = index
        self.locals = []
        self.recursive = False
        self.depth_param = None     # the parameter that bounds the recursion
        self.max_depth = 0
        self.work = 1               # statement executions of one call
        self.stack = 0              # stack bytes of one call, callees included
        self.text = ''


class Generator:
    def __init__(self, seed, size='normal', inline_asm=False):
        self.rng = random.Random(seed)
        self.size = size
        # Quarn-only programs: inline assembly statements (cc65 reads no
        # asm lines of this form), for the optimizer's test.
        self.inline_asm = inline_asm
        self.globals = []
        self.functions = []
        self.names = 0
        self.labels = 0

    # ----- names and declarations -------------------------------------

    def fresh(self, prefix):
        self.names += 1
        return '%s%d' % (prefix, self.names)

    def spelling(self, vtype):
        return self.rng.choice(vtype.spellings)

    def make_globals(self):
        count = self.rng.randint(3, 8 if self.size == 'normal' else 5)
        for _ in range(count):
            self.globals.append(Var(self.fresh('g'), self.rng.choice(TYPES), 'global'))
        for _ in range(self.rng.randint(0, 3)):
            length = self.rng.choice([2, 4, 8, 16, 16, 64])
            self.globals.append(Var(self.fresh('ga'), self.rng.choice(TYPES), 'global', length))
        for _ in range(self.rng.randint(0, 2)):
            vtype = self.rng.choice(TYPES)
            lo, hi = vtype.range()
            self.globals.append(Var(self.fresh('k'), vtype, 'const',
                                    value=self.rng.randint(max(lo, -300), min(hi, 3000))))

    def global_declarations(self):
        lines = ['unsigned int chk;']
        for v in self.globals:
            if v.kind == 'const':
                lines.append('const %s %s = %d;' % (self.spelling(v.type), v.name, v.value))
        scalars = [v for v in self.globals if v.length is None and v.kind == 'global']
        arrays = [v for v in self.globals if v.length is not None]
        i = 0
        while i < len(scalars):
            v = scalars[i]
            # Now and then two names of one type share a declaration.
            if (i + 1 < len(scalars) and scalars[i + 1].type is v.type and self.rng.random() < 0.5):
                lines.append('%s %s, %s;' % (self.spelling(v.type), v.name, scalars[i + 1].name))
                i += 2
                continue
            if self.rng.random() < 0.4:
                lo, hi = v.type.range()
                lines.append('%s %s = %d;' % (self.spelling(v.type), v.name,
                                              self.rng.randint(max(lo, -1000), min(hi, 1000))))
            else:
                lines.append('%s %s;' % (self.spelling(v.type), v.name))
            i += 1
        for v in arrays:
            lines.append('%s %s[%d];' % (self.spelling(v.type), v.name, v.length))
        return lines

    # ----- expressions ---------------------------------------------------

    def constant(self, width, lo=None, hi=None):
        """An int constant; next to a char Quarn takes it as a char constant."""
        if lo is None:
            if width == 8:
                lo, hi = self.rng.choice([(0, 15), (0, 255), (-20, 127)])
            else:
                lo, hi = self.rng.choice([(0, 15), (0, 1023), (-1000, 32767), (1024, 32767)])
        v = self.rng.randint(lo, hi)
        if v < 0:
            # A parenthesised negation of a constant: -O folds it, but
            # without -O it is an operation whose signedness is the
            # constant's (signed next to an int, unsigned next to a char).
            return Expr('(%d)' % v, PRIMARY, width, v, v, False, (None, None), const=v,
                        negative_literal=True)
        r = self.rng.random()
        if r < 0.12:
            text = '0x%X' % v
        elif r < 0.2 and v > 0:
            text = '0%o' % v
        else:
            text = str(v)
        return Expr(text, PRIMARY, width, v, v, False, (None, None), const=v)

    def leaf(self, width, scope, allow_globals, depth=0):
        choices = [v for v in scope if v.type.width == width or self.rng.random() < 0.3]
        if not allow_globals:
            choices = [v for v in choices if not v.shared()]
        if not choices or self.rng.random() < 0.15:
            return self.constant(width)
        v = self.rng.choice(choices)
        lo, hi = v.type.range()
        unsigned = v.type is UI
        if v.pointee is not None:
            return self.through_pointer(v, scope, allow_globals, depth)
        if v.kind == 'const':
            # A use of a const: the variable itself without -O, a constant
            # with it (which never makes a comparison signed).
            e = Expr(v.name, PRIMARY, v.type.width, v.value, v.value, unsigned,
                     (v.type.signed, None))
            e.known = v.value
        elif v.length is None:
            e = Expr(v.name, PRIMARY, v.type.width, lo, hi, unsigned,
                     (v.type.signed, v.type.signed), globals_read=v.shared())
        else:
            index = self.index(v, scope, allow_globals, depth - 1)
            e = Expr('%s[%s]' % (v.name, index.text), PRIMARY, v.type.width, lo, hi, unsigned,
                     (v.type.signed, v.type.signed), slots=1 + max(1, index.slots),
                     calls=index.calls,
                     globals_read=True if v.shared() else index.globals_read)
        e.has_uc = v.type is UC
        return e

    def through_pointer(self, p, scope, allow_globals, depth):
        """*p or *(p + index) for a pointer to a char array: the value is a
        char, and Quarn drops the signedness of what a pointer reads."""
        lo, hi = p.type.range()
        if self.rng.random() < 0.3:
            e = Expr('*%s' % p.name, UNARY, 8, lo, hi, False, (False, False), globals_read=True)
        else:
            # Quarn types p + i as an int when i is an int, and the char read
            # through it as an int whose high byte is left over: the index
            # is a char.
            index = self.index(p.pointee, scope, allow_globals, depth - 1, narrow=True)
            e = Expr('*(%s + %s)' % (p.name, self.paren(index, ADD, True)), UNARY, 8, lo, hi,
                     False, (False, False), slots=max(1, 1 + index.slots), calls=index.calls,
                     globals_read=True)
        e.has_uc = p.type is UC
        return e

    def index(self, array, scope, allow_globals, depth, narrow=False):
        """An index inside the array: a constant or an expression masked with
        length - 1 (the mask makes any value, negative ones included, an
        index; a char mask keeps the index a char). A narrow index is a char
        or a constant."""
        if depth <= 0 or self.rng.random() < 0.4:
            return self.constant(8, 0, array.length - 1)
        inner = self.expression(8 if narrow else self.rng.choice([8, 16]), scope, allow_globals,
                                depth, calls=False)
        if narrow and inner.width != 8:
            return self.constant(8, 0, array.length - 1)
        return self.masked(inner, array.length - 1)

    def masked(self, e, mask):
        """e & mask, an exact value of e's width."""
        if e.known is not None:
            return self.constant(e.width, e.known & mask, e.known & mask)
        return self.binary_node('&', e, self.constant(e.width, mask, mask))

    def widen(self, e):
        """e as an operand of a 16-bit operation: Quarn widens a char without
        extending a sign, so the value must be exact (else it is masked)."""
        if e.width == 16 or e.const is not None:
            return e
        if not e.exact():
            return self.masked(e, 255)
        if e.known is not None:
            # A const char: with -O it becomes a char constant under the
            # widening, an operand that counts and is unsigned.
            widened = copy.copy(e)
            widened.signs = (e.signs[0], False)
            return widened
        return e

    def paren(self, e, limit, right=False, width=None):
        """The text of operand e inside an operator of level `limit`. A left
        operand continues a chain without parentheses only when the whole
        chain has one width: Quarn balances the chain's first operand (or
        first pair) against the type of the whole chain, so c + i + j clears
        the high byte of c + i, c + i - 1 is computed in 8 bits, and in
        c | 1 | i | 256 the 256 becomes a char constant."""
        if e.level == SHIFT:
            return '(%s)' % e.text
        if e.level > limit or (right and e.level == limit):
            return '(%s)' % e.text
        if e.level == limit and limit in (MUL, ADD, BAND, BXOR, BOR) and \
                not (e.uniform and e.width == width):
            return '(%s)' % e.text
        return e.text

    @staticmethod
    def sign_in(x, mode, width):
        """x's signedness in an operation of `width` (None: a constant)."""
        if x.negative_literal and mode == 0:
            return width == 16
        return x.signs[mode]

    def signs_of(self, left, right, width):
        """Quarn's signedness of + - & | ^ in each mode: signed when every
        operand that is not a constant is signed."""
        result = []
        for mode in (0, 1):
            flags = [self.sign_in(x, mode, width) for x in (left, right)]
            flags = [f for f in flags if f is not None]
            result.append(bool(flags) and all(flags))
        return tuple(result)

    def binary_node(self, op, left, right):
        """left op right, or None when the readings would differ."""
        if left.known is not None and right.known is not None:
            # -O folds two constants (const variables too) in 32 bits.
            return None
        if left.const is not None and op not in ('-',):
            # Constants stand on the right: Quarn retypes a constant only as
            # a direct operand, and -O moves a left one anyway.
            left, right = right, left
        if left.const is not None:
            return None
        if (op, right.known) in (('*', 0), ('%', 1)):
            # -O turns e * 0 and e % 1 into an int constant 0: the calls in e
            # are not made, a comparison with it folds (and ! of a folded
            # comparison is 254), and next to a char it is two bytes wide.
            return None
        if right.const is not None:
            width = left.width
        else:
            width = max(left.width, right.width)
            if left.width != right.width:
                left, right = self.widen(left), self.widen(right)
                if left.const is not None:
                    # A const variable widened into a constant.
                    if op == '-' or right.const is not None:
                        return None
                    left, right = right, left
        unsigned = left.unsigned or right.unsigned
        a, b = (left.lo, left.hi), (right.lo, right.hi)
        if unsigned:
            a, b = as_unsigned(*a), as_unsigned(*b)
        level = LEVEL_OF[op]
        signs = (False, False)
        if op in ('+', '-', '*'):
            r = fit(*arithmetic_range(op, a, b), unsigned)
            if r is None:
                return None
            if op == '*':
                signs = self.product_signs(left, right)
            else:
                signs = self.signs_of(left, right, width)
        elif op in ('&', '|', '^'):
            r = bitwise_range(op, a, b)
            signs = self.signs_of(left, right, width)
        elif op in ('/', '%'):
            # Quarn divides unsigned bits of its width; C divides values.
            if not (left.exact(width) and right.exact(width)) or b[0] < 1:
                return None
            if op == '/':
                r = (a[0] // b[1], a[1] // b[0])
            else:
                r = (0, min(a[1], b[1] - 1))
            signs = self.quotient_signs(op, left, right)
        else:
            raise ValueError(op)
        chain = left.level == level and left.uniform and left.width == width
        text = '%s %s %s' % (self.paren(left, level, width=width), op,
                             self.paren(right, level, True))
        e = Expr(text, level, width, r[0], r[1], unsigned, signs,
                 slots=max(left.slots, 1 + right.slots), calls=left.calls + right.calls,
                 globals_read=left.globals_read or right.globals_read)
        e.has_uc = left.has_uc or right.has_uc
        same = left.width == width and (right.width == width or right.const is not None)
        # Quarn balances only the last operand of a product chain: a char
        # product with an int constant inside the chain (c * 2 * 3) cannot
        # be continued.
        if level == MUL and width == 8 and right.const is not None:
            same = False
        e.uniform = same and (chain or left.level != level)
        return e

    def product_signs(self, left, right):
        # Products are unsigned; -O turns * 1 into the operand itself.
        if right.known == 1:
            return (False, left.signs[1])
        return (False, False)

    def quotient_signs(self, op, left, right):
        # -O turns / 1 into the operand and % 2^k into & (2^k - 1), which
        # keeps the operand's signedness.
        if right.known is not None:
            c = right.known
            if op == '/' and c == 1:
                return (False, left.signs[1])
            if op == '%' and c in (2, 4, 8, 16, 32, 64, 128):
                return (False, left.signs[1])
        return (False, False)

    def shift_node(self, op, left, count):
        """left << count or left >> count, count in 1 .. width - 1."""
        if left.known is not None:
            return None
        width = max(left.width, count.width) if count.const is None else left.width
        if width != left.width:
            left = self.widen(left)
        unsigned = left.unsigned
        a = (left.lo, left.hi)
        k1, k2 = count.lo, count.hi
        if k1 < 1 or k2 > width - 1:
            return None
        if op == '<<':
            if not unsigned and a[0] < 0:
                return None
            r = fit(a[0] << k1, a[1] << k2, unsigned)
            if r is None:
                return None
        else:
            if not left.exact(width):
                return None
            r = (a[0] >> k2, a[1] >> k1)
        level = SHIFT
        ltext = left.text if left.level <= UNARY else '(%s)' % left.text
        ctext = count.text if count.level <= UNARY else '(%s)' % count.text
        e = Expr('%s %s %s' % (ltext, op, ctext), level, width, r[0], r[1], unsigned,
                 (False, False), slots=max(left.slots, 1 + count.slots),
                 calls=left.calls + count.calls,
                 globals_read=left.globals_read or count.globals_read)
        e.has_uc = left.has_uc or count.has_uc
        return e

    def shift_count(self, width, scope, allow_globals, depth):
        if self.rng.random() < 0.6:
            return self.constant(8, 1, width - 1)
        # A masked expression plus one: never 0, never the width.
        mask = 3 if width == 8 else self.rng.choice([3, 7])
        inner = self.expression(8, scope, allow_globals, depth, calls=False)
        masked = self.masked(inner, mask)
        return self.binary_node('+', masked, self.constant(8, 1, 1))

    def unary_node(self, op, e):
        if e.known is not None:
            return None
        if e.width == 8 and e.has_uc:
            # cc65 computes -x and ~x of an unsigned char value in 8 bits
            # (unsigned char c = 0; unsigned int u = ~c; gives 255 there).
            return None
        if e.unsigned:
            if op == '-':
                lo, hi = (0, 0) if (e.lo, e.hi) == (0, 0) else (0, 65535)
            else:
                lo, hi = as_unsigned(e.lo, e.hi)
                lo, hi = 65535 - hi, 65535 - lo
        elif op == '-':
            lo, hi = -e.hi, -e.lo
            if fit(lo, hi, False) is None:
                return None
        else:
            lo, hi = -e.hi - 1, -e.lo - 1
        text = op + (e.text if e.level == PRIMARY and not e.negative_literal else '(%s)' % e.text)
        result = Expr(text, UNARY, e.width, lo, hi, e.unsigned, e.signs, slots=e.slots,
                      calls=e.calls, globals_read=e.globals_read)
        result.has_uc = e.has_uc
        return result

    def cast_node(self, kind, e):
        """int(e), short(e) or char(e): Quarn's casts, which the program's
        #define lines turn into C's for cc65. Both keep the operand's
        signedness in Quarn; int() of a char does not extend a sign."""
        if e.known is not None:
            return None
        if kind == 'char':
            lo, hi = (e.lo, e.hi) if -128 <= e.lo and e.hi <= 127 else (-128, 127)
            width, unsigned = 8, False
        else:
            if e.width == 8:
                e = self.widen(e)
                lo, hi = e.lo, e.hi
            elif e.unsigned and e.hi > INT_MAX:
                lo, hi = INT_MIN, INT_MAX
            else:
                lo, hi = e.lo, e.hi
            width, unsigned = 16, False
        result = Expr('%s(%s)' % (kind, e.text), PRIMARY, width, lo, hi, unsigned, e.signs,
                      slots=e.slots, calls=e.calls, globals_read=e.globals_read)
        result.has_uc = e.has_uc
        return result

    def truth_value(self, scope, allow_globals, depth):
        """(condition) & 1: Quarn's $FF or 0 and C's 1 or 0 both become 1 or 0."""
        # One comparison: Quarn types it bool, so & 1 is a char operation.
        cond = self.comparison(scope, allow_globals, depth, calls=False)
        if cond is None:
            return None
        if self.rng.random() < 0.3:
            cond = Expr('!(%s)' % cond.text, UNARY, 8, 0, 1, False, (False, False),
                        slots=cond.slots, globals_read=cond.globals_read)
        return Expr('(%s) & 1' % cond.text, BAND, 8, 0, 1, False, (False, False),
                    slots=cond.slots, globals_read=cond.globals_read)

    def call_expr(self, width, scope, allow_globals, depth):
        candidates = [f for f in self.callable if f.result is not None and
                      (f.result.width == width or self.rng.random() < 0.3)]
        if not candidates:
            return None
        f = self.rng.choice(candidates)
        if not self.can_call(f):
            return None
        args = self.arguments(f, scope, allow_globals, depth)
        self.note_call(f)
        lo, hi = f.result.range()
        e = Expr('%s(%s)' % (f.name, ', '.join(a.text for a in args)), PRIMARY,
                 f.result.width, lo, hi, f.result is UI, (f.result.signed, f.result.signed),
                 slots=1 + max([a.slots for a in args] + [0]), calls=1, globals_read=False)
        e.has_uc = f.result is UC
        return e

    def top_expression(self, width, scope, depth, calls=True):
        """An expression of a statement. One holding a call reads no
        file-level variable: C may read it before or after the call."""
        e = self.expression(width, scope, True, depth, calls)
        if e.calls and e.globals_read:
            e = self.expression(width, scope, False, depth, calls)
        return e

    def expression(self, width, scope, allow_globals, depth, calls=True):
        """An expression whose Quarn width is normally `width`."""
        for _ in range(8):
            e = self.try_expression(width, scope, allow_globals, depth, calls)
            if e is not None and e.slots <= VALUE_SLOTS:
                return e
        return self.leaf(width, scope, allow_globals)

    def try_expression(self, width, scope, allow_globals, depth, calls):
        r = self.rng.random()
        if depth <= 0 or r < 0.25:
            return self.leaf(width, scope, allow_globals, depth)
        if calls and r < 0.32 and self.call_budget > 0:
            e = self.call_expr(width, scope, allow_globals, depth - 1)
            if e is not None:
                self.call_budget -= 1
            return e
        if r < 0.40:
            e = self.expression(width, scope, allow_globals, depth - 1, calls)
            return self.unary_node(self.rng.choice(['-', '~']), e)
        if r < 0.44:
            return self.truth_value(scope, allow_globals, depth - 1)
        if r < 0.47:
            e = self.expression(self.rng.choice([8, 16]), scope, allow_globals, depth - 1, calls)
            return self.cast_node(self.rng.choice(['int', 'short', 'char']), e)
        if r < 0.54:
            left = self.expression(width, scope, allow_globals, depth - 1, calls)
            count = self.shift_count(left.width, scope, allow_globals, depth - 2)
            if count is None:
                return None
            if self.rng.random() < 0.5:
                if not left.unsigned and left.width == 16:
                    # C: a signed left operand must stay positive and in range.
                    left = self.masked(left, 0x7FFF >> count.hi)
                elif not left.unsigned:
                    left = self.widen(left)
                return self.shift_node('<<', left, count)
            if not left.exact():
                left = self.masked(left, 255 if left.width == 8 else 0x7FFF)
            return self.shift_node('>>', left, count)
        op = self.rng.choice(['+', '-', '+', '-', '*', '/', '%', '&', '|', '^', '&', '|'])
        left = self.expression(width, scope, allow_globals, depth - 1, calls)
        if op in ('/', '%'):
            return self.quotient(op, left, scope, allow_globals, depth)
        if self.rng.random() < 0.3:
            right = self.constant(left.width)
        else:
            right = self.expression(self.rng.choice([width, width, 8, 16]), scope,
                                    allow_globals, depth - 1, calls and left.calls == 0)
        e = self.binary_node(op, left, right)
        if e is None and op in ('+', '-', '*'):
            # Make room for an int result: masked operands cannot overflow.
            mask = 127 if op == '*' else 0x3FFF
            if left.width == 8:
                mask = min(mask, 255)
            e = self.binary_node(op, self.masked(left, mask), self.masked_if(right, mask))
        return e

    def masked_if(self, e, mask):
        if e.const is not None:
            return e if 0 <= e.const <= mask else self.constant(e.width, 0, min(mask, 255))
        return self.masked(e, min(mask, (1 << e.width) - 1))

    def quotient(self, op, left, scope, allow_globals, depth):
        if not left.exact() or (not left.unsigned and left.lo < 0):
            left = self.masked(left, 255 if left.width == 8 else self.rng.choice([0x7FFF, 0xFFF]))
        if self.rng.random() < 0.5:
            right = self.constant(left.width, 1, 255 if left.width == 8 else 1000)
        else:
            inner = self.expression(left.width, scope, allow_globals, depth - 1, calls=False)
            if self.rng.random() < 0.5:
                right = self.binary_node('|', self.masked_if(inner, 255 if inner.width == 8
                                                             else 0x7FFF),
                                         self.constant(inner.width, 1, 1))
            else:
                right = self.binary_node('+', self.masked(inner, 15), self.constant(inner.width, 1, 1))
        if right is None:
            return None
        return self.binary_node(op, left, right)

    # ----- conditions ----------------------------------------------------

    def comparison(self, scope, allow_globals, depth, calls):
        width = self.rng.choice([8, 16])
        for _ in range(6):
            left = self.expression(width, scope, allow_globals, depth, calls)
            if self.rng.random() < 0.35:
                right = self.constant(left.width)
            else:
                right = self.expression(self.rng.choice([width, 8, 16]), scope, allow_globals,
                                        depth, calls and left.calls == 0)
            op = self.rng.choice(['<', '<=', '>', '>=', '==', '!='])
            e = self.compare_node(op, left, right)
            if e is not None:
                return e
        return None

    def compare_node(self, op, left, right):
        if left.const is not None or (left.known is not None and right.known is not None):
            return None
        if right.const is not None:
            width = left.width
        else:
            width = max(left.width, right.width)
            if left.width != right.width:
                left, right = self.widen(left), self.widen(right)
                if left.const is not None:
                    return None
        if left.unsigned or right.unsigned or left.has_uc or right.has_uc:
            # C compares in unsigned int: both values must be the same there.
            # cc65 also compares unsigned when an operand holds an unsigned
            # char (int i = -1; unsigned char b = 1; i < b is false there).
            if left.lo < 0 or right.lo < 0:
                return None
        for mode in (0, 1):
            # A positive constant never makes a comparison signed; without
            # -O a negated int constant does.
            signed = any(self.sign_in(x, mode, width) for x in (left, right))
            if signed:
                lo, hi = -(1 << (width - 1)), (1 << (width - 1)) - 1
            else:
                lo, hi = 0, (1 << width) - 1
            if not all(lo <= x.lo and x.hi <= hi for x in (left, right)):
                return None
        text = '%s %s %s' % (self.paren(left, ADD), op, self.paren(right, ADD))
        return Expr(text, REL, 8, 0, 1, False, (False, False),
                    slots=max(left.slots, 1 + right.slots), calls=left.calls + right.calls,
                    globals_read=left.globals_read or right.globals_read)

    def condition(self, scope, allow_globals, depth, calls=True):
        """Comparisons joined by && and ||, possibly negated with !: both
        operands are evaluated in Quarn, so only the first may call."""
        c = self.comparison(scope, allow_globals, depth, calls)
        if c is None:
            return None
        r = self.rng.random()
        if r < 0.15:
            return Expr('!(%s)' % c.text, UNARY, 8, 0, 1, False, (False, False),
                        slots=c.slots, calls=c.calls, globals_read=c.globals_read)
        if r < 0.35:
            d = self.comparison(scope, allow_globals, depth - 1, calls=False)
            if d is None or c.calls:
                return c
            op = self.rng.choice(['&&', '||'])
            # The right comparison is parenthesised: bare, Quarn balances it
            # against the bool on the left and keeps only bit 0 of its right
            # operand (a < b && c < d tests c < (d & 1)).
            ctext = c.text if self.rng.random() < 0.5 else '(%s)' % c.text
            dtext = '(%s)' % d.text
            return Expr('%s %s %s' % (ctext, op, dtext), LAND, 8, 0, 1, False, (False, False),
                        slots=max(c.slots, 1 + d.slots), globals_read=c.globals_read or
                        d.globals_read)
        return c

    # ----- calls ---------------------------------------------------------

    def can_call(self, f):
        cost = self.multiplier * f.work
        return self.work + cost <= self.work_limit

    def note_call(self, f):
        self.work += self.multiplier * f.work
        self.callees.add(f)

    def arguments(self, f, scope, allow_globals, depth):
        args = []
        for p in f.params:
            if p is f.depth_param:
                # Recursive functions are entered with a small depth.
                args.append(self.constant(8, 0, f.max_depth))
                continue
            args.append(self.argument(p, scope, allow_globals, depth))
        return args

    def argument(self, p, scope, allow_globals, depth):
        if self.rng.random() < 0.3:
            return self.constant(p.type.width)
        # Quarn does not widen a char argument for an int parameter: the
        # argument must have the parameter's width (an int argument for a
        # char parameter passes its low byte, as C converts it).
        for _ in range(10):
            arg = self.expression(p.type.width, scope, allow_globals, min(depth, 2), calls=False)
            if arg.width >= p.type.width:
                return arg
        return self.leaf_of_width(p.type.width, [v for v in scope
                                                 if allow_globals or not v.shared()])

    # ----- statements ----------------------------------------------------

    def assignment(self, scope, targets, depth):
        self.work += self.multiplier
        target = self.rng.choice(targets)
        value = self.top_expression(target.type.width, scope, depth,
                                    calls=self.rng.random() < 0.5)
        value = self.fitted(value, target.type)
        if target.pointee is not None and self.rng.random() < 0.3:
            text = '*%s = %s;' % (target.name, value.text)
        elif target.pointee is not None:
            # p[i] = v stores through the pointer, as in C.
            index = self.index(target.pointee, scope, value.calls == 0, 1)
            text = '%s[%s] = %s;' % (target.name, index.text, value.text)
        elif target.length is None:
            text = '%s = %s;' % (target.name, value.text)
        else:
            index = self.index(target, scope, value.calls == 0, 1)
            text = '%s[%s] = %s;' % (target.name, index.text, value.text)
        return text

    def short_assignment(self, scope):
        """v = a op b with plain operands and no multiply, divide or shift."""
        self.work += self.multiplier
        scalars = [v for v in scope if v.length is None and v.pointee is None]
        target = self.rng.choice([v for v in self.assignable(scope)
                                  if v.length is None and v.pointee is None])
        value = self.leaf(target.type.width, scalars, True)
        other = self.leaf(target.type.width, scalars, True)
        combined = self.binary_node(self.rng.choice(['+', '-', '&', '|', '^']), value, other)
        if combined is not None and combined.width <= target.type.width:
            value = combined
        if value.width > target.type.width and target.type.width == 16:
            value = self.leaf_of_width(16, scope)
        value = self.fitted(value, target.type)
        return '%s = %s;' % (target.name, value.text)

    def fitted(self, value, vtype):
        """A value for a variable of vtype: a char value widened into an int
        must be exact (Quarn does not extend its sign)."""
        if vtype.width == 16 and value.width == 8:
            return self.widen(value)
        return value

    def assignable(self, scope):
        return [v for v in scope if v not in self.frozen and v.assignable()]

    def statement(self, scope, depth, nest):
        if self.inline_asm and self.rng.random() < 0.12:
            return self.asm_statement(scope)
        r = self.rng.random()
        targets = self.assignable(scope)
        if nest >= 3 or r < 0.45:
            return [self.assignment(scope, targets, 2 if self.size == 'small' else 3)]
        self.work += self.multiplier
        if r < 0.55 and self.callable:
            return self.call_statement(scope)
        if r < 0.70:
            return self.if_statement(scope, depth, nest)
        if r < 0.88:
            return self.loop(scope, depth, nest)
        return self.goto_statement(scope, depth, nest)

    def asm_operand(self, v, byte=0):
        """The operand that names byte `byte` of a scalar variable."""
        name = v.name.upper() if v.kind == 'global' else '%sZ%s' % (v.name.upper(), self.current.name.upper())
        if v.kind in ('local', 'param'):
            return '$%04X+%s,X' % (0x100 + byte, name)
        return name + ('+%d' % byte if byte else '')

    def asm_statement(self, scope):
        """Inline assembly that writes a byte of a variable (a constant, an
        increment, a copy of another variable's byte) or a byte of the
        register block, or does nothing. Every variable holds a value by
        then, and any byte is a value of its type."""
        self.work += self.multiplier
        scalars = [v for v in self.assignable(scope) if v.length is None and v.pointee is None]
        block = self.rng.choice(['BL', 'BH', 'CL', 'CH', 'DL', 'DH', 'AL', 'R2A', 'DIVISOR_PRODUCT+1'])
        if not scalars:
            return ['asm NOP']
        v = self.rng.choice(scalars)
        byte = self.rng.randint(0, v.type.size() - 1)
        target = self.asm_operand(v, byte)
        r = self.rng.random()
        if r < 0.3:
            return ['asm LDA #%d' % self.rng.randint(0, 255), 'asm STA %s' % target]
        if r < 0.5:
            return ['asm %s %s' % (self.rng.choice(['INC', 'DEC', 'ASL', 'LSR']), target)]
        if r < 0.65:
            source = self.rng.choice([w for w in scope if w.length is None and w.pointee is None and
                                      w.kind != 'const'] or [v])
            return ['asm LDA %s' % self.asm_operand(source), 'asm STA %s' % target]
        if r < 0.85:
            return ['asm LDA #%d' % self.rng.randint(0, 255), 'asm STA %s' % block,
                    'asm LDA %s' % block, 'asm EOR %s' % target, 'asm STA %s' % target]
        return ['asm NOP']

    def call_statement(self, scope):
        f = self.rng.choice(self.callable)
        if not self.can_call(f):
            return [self.assignment(scope, self.assignable(scope), 2)]
        args = self.arguments(f, scope, True, 2)
        self.note_call(f)
        return ['%s(%s);' % (f.name, ', '.join(a.text for a in args))]

    def block(self, scope, depth, nest, count):
        lines = []
        for _ in range(count):
            lines += self.statement(scope, depth, nest)
        return lines

    def body_text(self, lines, force_block=False):
        if len(lines) == 1 and not force_block and self.rng.random() < 0.5:
            return ['    ' + lines[0]]
        return ['{'] + ['    ' + line for line in lines] + ['}']

    def top_condition(self, scope, calls):
        c = self.condition(scope, True, 2, calls)
        if c is not None and c.calls and c.globals_read:
            c = self.condition(scope, False, 2, calls)
        return c

    def if_statement(self, scope, depth, nest):
        cond = self.top_condition(scope, self.rng.random() < 0.2)
        if cond is None:
            return [self.assignment(scope, self.assignable(scope), 2)]
        if self.rng.random() < 0.3:
            # A body without braces is skipped by a short branch: it must
            # stay well under 128 bytes of code.
            lines = ['if (%s)' % cond.text, '    ' + self.short_assignment(scope)]
        else:
            then = self.block(scope, depth, nest + 1, self.rng.randint(1, 3))
            lines = ['if (%s)' % cond.text] + self.body_text(then, True)
        r = self.rng.random()
        if r < 0.15 and nest < 2:
            # else if: the else part is the next if statement itself.
            other = self.if_statement(scope, depth, nest + 1)
            lines += ['else ' + other[0]] + other[1:]
        elif r < 0.5:
            other = self.block(scope, depth, nest + 1, self.rng.randint(1, 3))
            lines += ['else'] + self.body_text(other)
        return lines

    def counter(self, scope):
        """A local that only this loop assigns."""
        free = [v for v in self.current.locals if v.length is None and v not in self.frozen
                and v.kind == 'local' and v.pointee is None]
        if not free:
            return None
        return self.rng.choice(free)

    def loop(self, scope, depth, nest):
        i = self.counter(scope)
        if i is None:
            return [self.assignment(scope, self.assignable(scope), 2)]
        count = self.rng.randint(1, 5)
        self.frozen.add(i)
        saved = self.multiplier
        self.multiplier *= count + 1
        body = self.block(scope, depth, nest + 1, self.rng.randint(1, 3))
        self.multiplier = saved
        self.frozen.discard(i)
        kind = self.rng.choice(['for', 'for-down', 'while', 'do', 'goto'])
        if kind == 'for':
            return ['for (%s = 0; %s < %d; %s = %s + 1)' % (i.name, i.name, count, i.name, i.name)] \
                + self.body_text(body)
        if kind == 'for-down':
            return ['for (%s = %d; %s != 0; %s = %s - 1)' % (i.name, count, i.name, i.name, i.name)] \
                + self.body_text(body)
        if kind == 'while':
            return ['%s = 0;' % i.name, 'while (%s < %d)' % (i.name, count)] + \
                self.body_text(body + ['%s = %s + 1;' % (i.name, i.name)], True)
        if kind == 'do':
            return ['%s = 0;' % i.name, 'do'] + \
                self.body_text(body + ['%s = %s + 1;' % (i.name, i.name)], True) + \
                ['while (%s < %d);' % (i.name, count)]
        label = self.label()
        return ['%s = 0;' % i.name, '%s:' % label] + body + \
            ['%s = %s + 1;' % (i.name, i.name), 'if (%s < %d)' % (i.name, count),
             '    goto %s;' % label]

    def label(self):
        self.labels += 1
        return 'lab%d' % self.labels

    def goto_statement(self, scope, depth, nest):
        cond = self.top_condition(scope, False)
        if cond is None:
            return [self.assignment(scope, self.assignable(scope), 2)]
        label = self.label()
        skipped = self.block(scope, depth, nest + 1, self.rng.randint(1, 2))
        after = self.assignment(scope, self.assignable(scope), 2)
        return ['if (%s)' % cond.text, '    goto %s;' % label] + skipped + \
            ['%s:' % label, after]

    # ----- functions -----------------------------------------------------

    def make_function(self, index):
        name = 'f%d' % index
        result = self.rng.choice([UC, SC, UI, SI, None])
        params = []
        f = Function(name, result, params, index)
        recursive = index > 0 and result is not None and self.rng.random() < 0.25
        if recursive:
            d = Var(self.fresh('p'), UC, 'param')
            params.append(d)
            f.recursive = True
            f.depth_param = d
            f.max_depth = self.rng.randint(1, 3)
        for _ in range(self.rng.randint(0, 3)):
            params.append(Var(self.fresh('p'), self.rng.choice(TYPES), 'param'))
        self.rng.shuffle(params)
        for _ in range(self.rng.randint(1, 5)):
            f.locals.append(Var(self.fresh('l'), self.rng.choice(TYPES), 'local'))
        # A counter for loops, and sometimes a frame array, a local that
        # keeps its value between calls, a pointer to a file-level char array.
        f.locals.append(Var(self.fresh('l'), self.rng.choice([UC, UI]), 'local'))
        if self.rng.random() < 0.4:
            f.locals.append(Var(self.fresh('la'), self.rng.choice(TYPES), 'local',
                                self.rng.choice([2, 4, 8])))
        if self.rng.random() < 0.3:
            vtype = self.rng.choice(TYPES)
            lo, hi = vtype.range()
            f.locals.append(Var(self.fresh('ls'), vtype, 'static',
                                value=self.rng.randint(max(lo, -100), min(hi, 1000))))
        self.add_pointer(f)
        return f

    def add_pointer(self, f):
        arrays = [v for v in self.globals if v.length is not None and v.type.width == 8]
        if arrays and self.rng.random() < 0.5:
            target = self.rng.choice(arrays)
            f.locals.append(Var(self.fresh('lp'), target.type, 'local', pointee=target))

    def frame_bytes(self, f):
        params = 2 * len(f.params)
        local = sum(2 if v.pointee else v.type.size() * (v.length or 1) for v in f.locals
                    if v.kind == 'local')
        # Arguments, return address, saved X, frame, and live temporaries
        # or helper-call arguments pushed inside the function.
        return params + 2 + 1 + local + 1 + 16

    def generate_function(self, f, is_main=False):
        self.current = f
        self.frozen = set()
        if f.depth_param is not None:
            self.frozen.add(f.depth_param)
        self.work = 0
        self.multiplier = 1
        self.callees = set()
        self.call_budget = 6
        self.work_limit = WORK_BUDGET if is_main else (WORK_BUDGET // 4 if f.recursive
                                                          else WORK_BUDGET // 2)
        scope = self.globals + f.params + f.locals
        own = f.params + f.locals
        lines = []
        # Every local is assigned before anything reads it.
        init_scope = self.globals + f.params
        for v in f.locals:
            if v.kind == 'static':
                pass
            elif v.pointee is not None:
                lines.append('%s = %s;' % (v.name, v.pointee.name))
            elif v.length is None:
                value = self.fitted(self.expression(v.type.width, init_scope, True, 1,
                                                    calls=False), v.type)
                lines.append('%s = %s;' % (v.name, value.text))
            else:
                for k in range(v.length):
                    value = self.fitted(self.expression(v.type.width, init_scope, True, 1,
                                                        calls=False), v.type)
                    lines.append('%s[%d] = %s;' % (v.name, k, value.text))
            init_scope = init_scope + [v]
        if f.recursive:
            lines += self.recursion(f, scope)
        count = self.rng.randint(2, 6 if self.size == 'small' else 10)
        if is_main:
            count = self.rng.randint(3, 8)
        lines += self.block(scope, 3, 0, count)
        if is_main:
            lines += self.main_calls(scope)
        # Every value the function computed goes into the checksum.
        for v in own:
            if v.pointee is not None:
                continue
            if v.length is None:
                lines.append(self.mix(v.name, v.type))
            else:
                for k in range(v.length):
                    lines.append(self.mix('%s[%d]' % (v.name, k), v.type))
        if is_main:
            for v in self.globals:
                if v.kind == 'const':
                    continue
                if v.length is None:
                    lines.append(self.mix(v.name, v.type))
                else:
                    for k in range(v.length):
                        lines.append(self.mix('%s[%d]' % (v.name, k), v.type))
            lines.append('return chk ^ (chk >> 8);')
        elif f.result is not None:
            # A return value keeps its own width: an int function must
            # return an int-wide value (a char function takes the low byte).
            for _ in range(10):
                value = self.expression(f.result.width, scope, True, 3, calls=False)
                if value.width >= f.result.width:
                    break
            else:
                value = self.leaf_of_width(f.result.width, scope)
            lo, hi = f.result.range()
            if f.result.width == 8 and not lo <= value.lo <= value.hi <= hi:
                # cc65 hands an int value back from a char function without
                # cutting it to a char (unsigned char f() { return ~c; } gives
                # the caller 65535): the value must already fit.
                value = self.masked(value, 255 if f.result is UC else 127)
            lines.append('return %s;' % value.text)
        f.work = max(1, self.work) + count
        deepest = max([g.stack for g in self.callees if g is not f] + [0])
        own_bytes = self.frame_bytes(f)
        if f.recursive:
            f.stack = own_bytes * (f.max_depth + 1) + deepest
            f.work = f.work * (f.max_depth + 1)
        else:
            f.stack = own_bytes + deepest
        decl = self.declarations(f)
        header = '%s %s(%s)' % (self.spelling(f.result) if f.result else 'void', f.name,
                                ', '.join('%s %s' % (self.spelling(p.type), p.name)
                                          for p in f.params))
        if is_main:
            header = 'int main()'
        f.text = '\n'.join([header, '{'] + ['    ' + d for d in decl] +
                           ['    ' + line for line in lines] + ['}'])

    def leaf_of_width(self, width, scope):
        options = [v for v in scope if v.length is None and v.pointee is None and
                   v.type.width == width]
        if not options:
            return self.constant(width)
        v = self.rng.choice(options)
        lo, hi = v.type.range()
        e = Expr(v.name, PRIMARY, width, lo, hi, v.type is UI, (v.type.signed, v.type.signed),
                 globals_read=v.shared())
        e.has_uc = v.type is UC
        return e

    def declarations(self, f):
        lines = []
        for v in f.locals:
            if v.kind == 'static':
                lines.append('static %s %s = %d;' % (self.spelling(v.type), v.name, v.value))
            elif v.pointee is not None:
                lines.append('%s *%s;' % (self.spelling(v.type), v.name))
            elif v.length is None:
                lines.append('%s %s;' % (self.spelling(v.type), v.name))
            else:
                lines.append('%s %s[%d];' % (self.spelling(v.type), v.name, v.length))
        return lines

    def recursion(self, f, scope):
        """One bounded self-call: if (d > 0) v = v + f(d - 1, ...)."""
        d = f.depth_param
        args = []
        for p in f.params:
            if p is d:
                args.append('%s - 1' % d.name)
            else:
                args.append(self.argument(p, f.params + f.locals, False, 2).text)
        targets = [v for v in f.locals if v.length is None and v.kind == 'local' and
                   v.pointee is None and v.type.width == f.result.width]
        if not targets:
            return ['if (%s > 0)' % d.name, '{',
                    '    %s(%s);' % (f.name, ', '.join(args)), '}']
        t = self.rng.choice(targets)
        # A signed int sum could overflow: a signed int takes ^ only.
        op = '^' if t.type is SI else self.rng.choice(['+', '^', '-'])
        return ['if (%s > 0)' % d.name, '{',
                '    %s = %s %s %s(%s);' % (t.name, t.name, op, f.name, ', '.join(args)), '}']

    def main_calls(self, scope):
        """Calls every function; a result is kept in a local of its type and
        then mixed (the functions themselves change chk)."""
        lines = []
        for f in self.functions:
            for _ in range(self.rng.randint(1, 2)):
                if not self.can_call(f):
                    break
                args = self.arguments(f, scope, True, 2)
                self.note_call(f)
                call = '%s(%s)' % (f.name, ', '.join(a.text for a in args))
                if f.result is None:
                    lines.append(call + ';')
                else:
                    keep = self.result_locals[f.result.key]
                    lines.append('%s = %s;' % (keep.name, call))
                    lines.append(self.mix(keep.name, f.result))
        return lines

    def mix(self, text, vtype):
        """chk = chk * 31 + value, with a char value made exact first."""
        if vtype.width == 8 and vtype.signed:
            text = '(%s & 255)' % text
        return 'chk = chk * 31 + %s;' % text

    def program(self):
        self.make_globals()
        count = self.rng.randint(1, 3 if self.size == 'small' else 5)
        self.callable = []
        for i in range(1, count + 1):
            f = self.make_function(i)
            self.generate_function(f)
            if f.stack > STACK_BUDGET:
                continue
            self.functions.append(f)
            self.callable = list(self.functions)
        main = Function('main', SI, [], 0)
        main.locals = [Var(self.fresh('l'), self.rng.choice(TYPES), 'local') for _ in range(3)]
        main.locals.append(Var(self.fresh('l'), UC, 'local'))
        self.add_pointer(main)
        if self.rng.random() < 0.4:
            # A large frame: offsets far from the frame register.
            main.locals.append(Var(self.fresh('la'), self.rng.choice(TYPES), 'local',
                                   self.rng.choice([16, 32])))
        self.result_locals = {}
        for t in TYPES:
            self.result_locals[t.key] = Var(self.fresh('r'), t, 'local')
            main.locals.append(self.result_locals[t.key])
        self.callable = [f for f in self.functions if f.stack + self.frame_bytes(main) <= STACK_BUDGET]
        self.generate_function(main, is_main=True)
        # Quarn reads # lines as comments; for cc65 they make Quarn's casts
        # C casts.
        parts = ['// Generated by tools/difftest/gen.py.',
                 '#define int(x) ((int)(x))', '#define short(x) ((short)(x))',
                 '#define char(x) ((char)(x))'] + self.global_declarations() + ['']
        for f in self.functions:
            parts += [f.text, '']
        parts.append(main.text)
        return '\n'.join(parts) + '\n'


def generate(seed, size='normal', inline_asm=False):
    """The program of a seed. One too long for the 6502's memory once
    compiled is drawn again from the seed's next stream."""
    text = Generator(seed, size, inline_asm).program()
    attempt = 0
    while len(text) > MAX_SOURCE_CHARS and attempt < 50:
        attempt += 1
        text = Generator('%d/%d' % (seed, attempt), size, inline_asm).program()
    return text


def main():
    args = sys.argv[1:]
    if not args:
        sys.stderr.write('usage: gen.py SEED [--size small|normal] [--asm]\n')
        sys.exit(2)
    size = 'normal'
    if '--size' in args:
        size = args[args.index('--size') + 1]
    sys.stdout.write(generate(int(args[0]), size, '--asm' in args))


if __name__ == '__main__':
    main()
