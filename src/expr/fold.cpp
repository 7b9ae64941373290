// Typing and constant folding: one walk over a parsed tree that gives every
// node its type, folds constant subexpressions into constant nodes, turns
// reads of const symbols into constants and rewrites some operations into
// cheaper ones (powers of two into shifts and masks, subtraction of a
// constant into addition, constants moved right and up in sums and products).
// The walk works in place and frees every node it unlinks.
#include <cmath>
#include <utility>

#include "base/diagnostics.h"
#include "expr/expr.h"

namespace {

// Returned by a rule that changed the node's kind or replaced it by a child:
// the node is typed again from the start.
constexpr TypeCode REDISPATCH = -1;

bool isIntegerConstant(const ExprNode* node)
{
    return node->op == LCONST || node->op == ICONST || node->op == CCONST;
}

bool isConstant(const ExprNode* node)
{
    return isIntegerConstant(node) || node->op == FCONST;
}

bool isNegation(const ExprNode* node)
{
    return node->op == MINUS && node->right == nullptr;
}

bool isBinaryMinus(const ExprNode* node)
{
    return node->op == MINUS && node->right != nullptr;
}

// Kind of a folded integer result: long wins over int, int over char.
int32_t combinedKind(const ExprNode* left, const ExprNode* right)
{
    if (left->op == LCONST || right->op == LCONST) {
        return LCONST;
    }
    if (left->op == ICONST || right->op == ICONST) {
        return ICONST;
    }
    return CCONST;
}

// 32-bit results wrap around; the arithmetic is done unsigned so that the
// compiler itself never overflows.
int32_t wrapped(uint32_t value)
{
    return static_cast<int32_t>(value);
}

double asDouble(const ExprNode* node)
{
    return node->op == FCONST ? nodeFloatValue(node) : static_cast<double>(nodeValue(node));
}

// A floating value truncated towards zero and wrapped to 32 bits; a value
// that is not finite gives 0.
int32_t truncated(double value)
{
    if (!std::isfinite(value)) {
        return 0;
    }
    constexpr double MODULUS = 4294967296.0;
    double reduced = std::fmod(std::trunc(value), MODULUS);
    if (reduced < 0) {
        reduced += MODULUS;
    }
    return wrapped(static_cast<uint32_t>(reduced));
}

// The node becomes a constant; its operands are freed.
void becomeInteger(ExprNode* node, int32_t kind, int32_t value)
{
    freeTree(node);
    node->op = kind;
    node->intValue = value;
    node->floatValue = 0.0;
}

void becomeFloat(ExprNode* node, double value)
{
    freeTree(node);
    node->op = FCONST;
    node->intValue = 0;
    node->floatValue = value;
}

// The node takes the contents of its left operand; the right operand is freed.
void replaceByLeft(ExprNode* node)
{
    ExprNode* left = node->left;
    deleteTree(node->right);
    *node = *left;
    releaseNode(left);
}

// A negation child is dropped: the expression under it takes its place.
ExprNode* unwrapNegation(ExprNode* negation)
{
    ExprNode* inner = negation->left;
    releaseNode(negation);
    return inner;
}

// 1..limitShift when value is 2 to the power of that, else 0.
int powerOfTwo(int32_t value, int limitShift)
{
    for (int shift = 1; shift <= limitShift; shift++) {
        if (value == (1 << shift)) {
            return shift;
        }
    }
    return 0;
}

[[noreturn]] void unknownKind(int32_t kind)
{
    printDiagnostic("error: expected {} but found {}\n", "ID", tokenSpelling(kind));
    fatalError("syntax error");
}

// Type of an operand; a missing operand is reported like an EMPTY node.
TypeCode typeOperand(ExprNode* operand)
{
    if (operand == nullptr) {
        unknownKind(EMPTY);
    }
    return inferType(operand, 0);
}

int largerBase(TypeCode left, TypeCode right)
{
    return baseType(left) > baseType(right) ? baseType(left) : baseType(right);
}

// An identifier: the suffix check (element or call), then a const scalar
// becomes the constant it stands for.
TypeCode typeIdentifier(ExprNode* node)
{
    TypeCode type = symbolAt(node->sym).type;
    if (type == 0) {
        fatalError("error: undefined symbol");
    }
    ExprNode* suffix = node->left;
    if (suffix != nullptr && suffix->op == LBRACKET) {
        if (type & FUNCTION) {
            fatalError("error: function/procedure unexpected");
        }
        if (!(type & ARRAY)) {
            fatalError("error: expected array name");
        }
        typeOperand(suffix->left);
        type &= ~(ARRAY | POINTER);
    } else if (suffix != nullptr && suffix->op == LPAREN) {
        if (!(type & FUNCTION)) {
            fatalError("error: expected function/procedure");
        }
        if (baseType(type) == BASE_VOID) {
            fatalError("error: expected function");
        }
        for (ExprNode* cell = suffix->left; cell != nullptr && cell->op == COMMA; cell = cell->right) {
            typeOperand(cell->left);
        }
        type &= ~FUNCTION;
    }
    if ((type & CONST) && !(type & (POINTER | ARRAY | FUNCTION))) {
        const SymbolEntry& entry = symbolAt(node->sym);
        freeTree(node);
        node->sym = 0;
        if (entry.floatValue == 0.0) {
            int base = baseType(type);
            int32_t kind = base == BASE_LONG ? LCONST : (base >= BASE_BOOL && base <= BASE_CHAR) ? CCONST : ICONST;
            becomeInteger(node, kind, entry.intValue);
        } else {
            becomeFloat(node, entry.floatValue);
        }
    }
    return type;
}

// Conversions to char, int or long from floating: a constant operand folds.
TypeCode typeFloatNarrowing(ExprNode* node, int32_t kind, int foldedBase)
{
    TypeCode operand = typeOperand(node->left);
    if (!isConstant(node->left)) {
        return baseType(operand);
    }
    int32_t value = node->left->op == FCONST ? truncated(nodeFloatValue(node->left)) : nodeValue(node->left);
    becomeInteger(node, kind, value);
    return foldedBase;
}

TypeCode typeToFloat(ExprNode* node)
{
    TypeCode operand = typeOperand(node->left);
    if (!isConstant(node->left)) {
        return baseType(operand);
    }
    becomeFloat(node, asDouble(node->left));
    return BASE_FLOAT;
}

TypeCode typeNegation(ExprNode* node)
{
    TypeCode operand = typeOperand(node->left);
    ExprNode* value = node->left;
    if (value->op == FCONST) {
        becomeFloat(node, -nodeFloatValue(value));
    } else if (isIntegerConstant(value)) {
        becomeInteger(node, value->op, wrapped(0u - static_cast<uint32_t>(nodeValue(value))));
    }
    return baseType(operand);
}

// '~' and '!' both complement every bit of a constant, kept to the width of
// its kind.
TypeCode typeComplement(ExprNode* node)
{
    TypeCode operand = typeOperand(node->left);
    ExprNode* value = node->left;
    if (isIntegerConstant(value)) {
        int32_t result = ~nodeValue(value);
        if (value->op == CCONST) {
            result &= 0xFF;
        } else if (value->op == ICONST) {
            result &= 0xFFFF;
        }
        becomeInteger(node, value->op, result);
    }
    return baseType(operand);
}

TypeCode typeShift(ExprNode* node, int t)
{
    ExprNode* left = node->left;
    ExprNode* right = node->right;
    if (isIntegerConstant(left) && isIntegerConstant(right)) {
        int count = nodeValue(right) & 31;
        int32_t value = nodeValue(left);
        int32_t result = node->op == SHL ? wrapped(static_cast<uint32_t>(value) << count) : value >> count;
        becomeInteger(node, left->op, result);
    }
    return t;
}

// '+': fold, move constants right and up, turn added negations into
// subtractions, rotate a sum added to a sum.
TypeCode typeAddition(ExprNode* node, int t)
{
    ExprNode* left = node->left;
    ExprNode* right = node->right;
    if (isConstant(left) && isConstant(right)) {
        if (left->op == FCONST || right->op == FCONST) {
            becomeFloat(node, asDouble(left) + asDouble(right));
        } else {
            uint32_t sum = static_cast<uint32_t>(nodeValue(left)) + static_cast<uint32_t>(nodeValue(right));
            becomeInteger(node, combinedKind(left, right), wrapped(sum));
        }
        return t;
    }
    if (isIntegerConstant(left) && !isIntegerConstant(right)) {
        std::swap(node->left, node->right);
        return REDISPATCH;
    }
    if (isIntegerConstant(right) && nodeValue(right) == 0) {
        replaceByLeft(node);
        return REDISPATCH;
    }
    if (isNegation(right)) {
        // a + (-b) is a - b
        node->op = MINUS;
        node->right = unwrapNegation(right);
        return REDISPATCH;
    }
    if (isNegation(left)) {
        // (-a) + b is b - a
        node->op = MINUS;
        node->left = right;
        node->right = unwrapNegation(left);
        return REDISPATCH;
    }
    if (left->op == PLUS && left->right->op == ICONST) {
        ExprNode* inner = left->right;
        if (isIntegerConstant(right)) {
            // (x + c1) + c2 is x + (c1 + c2)
            inner->intValue = wrapped(static_cast<uint32_t>(inner->intValue) + static_cast<uint32_t>(nodeValue(right)));
            replaceByLeft(node);
            return REDISPATCH;
        }
        if (right->op != ICONST) {
            // (x + c1) + y is (x + y) + c1
            left->right = right;
            node->right = inner;
            return REDISPATCH;
        }
    }
    if (isBinaryMinus(left) && left->left->op == ICONST && isIntegerConstant(right)) {
        // (c1 - x) + c2 is (c1 + c2) - x
        ExprNode* inner = left->left;
        inner->intValue = wrapped(static_cast<uint32_t>(inner->intValue) + static_cast<uint32_t>(nodeValue(right)));
        replaceByLeft(node);
        return REDISPATCH;
    }
    if (left->op == PLUS && (right->op == PLUS || isBinaryMinus(right))) {
        // (a + b) + (c op d) is ((a + b) op d) + c
        ExprNode* c = right->left;
        ExprNode* d = right->right;
        right->left = left;
        right->right = d;
        node->left = right;
        node->right = c;
    }
    return t;
}

// Binary '-': fold, subtract a negation by adding, add the negated constant.
TypeCode typeSubtraction(ExprNode* node, int t)
{
    ExprNode* left = node->left;
    ExprNode* right = node->right;
    if (isConstant(left) && isConstant(right)) {
        if (left->op == FCONST || right->op == FCONST) {
            becomeFloat(node, asDouble(left) - asDouble(right));
        } else {
            uint32_t difference = static_cast<uint32_t>(nodeValue(left)) - static_cast<uint32_t>(nodeValue(right));
            becomeInteger(node, combinedKind(left, right), wrapped(difference));
        }
        return t;
    }
    if (!isIntegerConstant(right)) {
        if (isNegation(right)) {
            // a - (-b) is a + b
            node->op = PLUS;
            node->right = unwrapNegation(right);
            return REDISPATCH;
        }
        return t;
    }
    if (nodeValue(right) == 0) {
        replaceByLeft(node);
        return REDISPATCH;
    }
    // x - c is x + (-c)
    node->op = PLUS;
    right->intValue = wrapped(0u - static_cast<uint32_t>(nodeValue(right)));
    return REDISPATCH;
}

// Binary '*': fold, constant to the right, 0, 1 and powers of two up to 128,
// constants of nested products gathered upwards.
TypeCode typeMultiplication(ExprNode* node, int t)
{
    ExprNode* left = node->left;
    ExprNode* right = node->right;
    if (isConstant(left) && isConstant(right)) {
        if (left->op == FCONST || right->op == FCONST) {
            becomeFloat(node, asDouble(left) * asDouble(right));
        } else {
            uint32_t product = static_cast<uint32_t>(nodeValue(left)) * static_cast<uint32_t>(nodeValue(right));
            becomeInteger(node, combinedKind(left, right), wrapped(product));
        }
        return t;
    }
    if (isIntegerConstant(left) && !isConstant(right)) {
        std::swap(node->left, node->right);
        return REDISPATCH;
    }
    if (isIntegerConstant(right)) {
        int32_t factor = nodeValue(right);
        if (factor == 0) {
            becomeInteger(node, ICONST, 0);
            return REDISPATCH;
        }
        if (factor == 1) {
            replaceByLeft(node);
            return REDISPATCH;
        }
        int shift = powerOfTwo(factor, 7);
        if (shift != 0) {
            node->op = SHL;
            right->intValue = shift;
            return REDISPATCH;
        }
    }
    if (left->op == STAR && left->right != nullptr && left->right->op == ICONST) {
        ExprNode* inner = left->right;
        if (isIntegerConstant(right)) {
            // (x * c1) * c2 is x * (c1 * c2)
            inner->intValue = wrapped(static_cast<uint32_t>(inner->intValue) * static_cast<uint32_t>(nodeValue(right)));
            replaceByLeft(node);
            return REDISPATCH;
        }
        // (x * c1) * y is (x * y) * c1
        left->right = right;
        node->right = inner;
    }
    return t;
}

// A zero integer divisor is an error even between two constants.
void checkDivisor(const ExprNode* right)
{
    if (isIntegerConstant(right) && nodeValue(right) == 0) {
        fatalError("error: divide by zero detected");
    }
}

// '/': fold (truncating towards zero), 1 and powers of two up to 256.
TypeCode typeDivision(ExprNode* node, int t)
{
    ExprNode* left = node->left;
    ExprNode* right = node->right;
    checkDivisor(right);
    if (isConstant(left) && isConstant(right)) {
        if (left->op == FCONST || right->op == FCONST) {
            becomeFloat(node, asDouble(left) / asDouble(right));
        } else {
            // In 64 bits the one overflowing quotient, -2147483648 / -1,
            // wraps back to -2147483648.
            int64_t quotient = static_cast<int64_t>(nodeValue(left)) / nodeValue(right);
            becomeInteger(node, combinedKind(left, right), wrapped(static_cast<uint32_t>(quotient)));
        }
        return t;
    }
    if (isIntegerConstant(right) && !isConstant(left)) {
        int32_t divisor = nodeValue(right);
        if (divisor == 1) {
            replaceByLeft(node);
            return REDISPATCH;
        }
        int shift = powerOfTwo(divisor, 8);
        if (shift != 0) {
            node->op = SHR;
            right->intValue = shift;
            return REDISPATCH;
        }
    }
    return t;
}

// '%': fold (sign of the dividend), 1 and powers of two up to 128 as a mask.
TypeCode typeRemainder(ExprNode* node, int t)
{
    ExprNode* left = node->left;
    ExprNode* right = node->right;
    checkDivisor(right);
    if (isIntegerConstant(left) && isIntegerConstant(right)) {
        int64_t remainder = static_cast<int64_t>(nodeValue(left)) % nodeValue(right);
        becomeInteger(node, combinedKind(left, right), static_cast<int32_t>(remainder));
        return t;
    }
    if (isIntegerConstant(right) && !isConstant(left)) {
        int32_t divisor = nodeValue(right);
        if (divisor == 1) {
            becomeInteger(node, ICONST, 0);
            return REDISPATCH;
        }
        int shift = powerOfTwo(divisor, 7);
        if (shift != 0) {
            node->op = AMP;
            right->intValue = divisor - 1;
            return REDISPATCH;
        }
    }
    return t;
}

TypeCode typeBitwise(ExprNode* node, int t)
{
    ExprNode* left = node->left;
    ExprNode* right = node->right;
    if (isIntegerConstant(left) && isIntegerConstant(right)) {
        int32_t a = nodeValue(left);
        int32_t b = nodeValue(right);
        int32_t result = node->op == AMP ? (a & b) : node->op == BAR ? (a | b) : (a ^ b);
        becomeInteger(node, combinedKind(left, right), result);
    } else if (isIntegerConstant(left) && !isConstant(right)) {
        std::swap(node->left, node->right);
    }
    return t;
}

// Comparisons fold to a char constant 1 or 0 (signed comparison); only the
// symmetric '==' and '!=' move a left constant to the right.
TypeCode typeComparison(ExprNode* node)
{
    ExprNode* left = node->left;
    ExprNode* right = node->right;
    if (isIntegerConstant(left) && isIntegerConstant(right)) {
        int32_t a = nodeValue(left);
        int32_t b = nodeValue(right);
        bool holds = false;
        switch (node->op) {
        case LT: holds = a < b; break;
        case LE: holds = a <= b; break;
        case GT: holds = a > b; break;
        case GE: holds = a >= b; break;
        case EQ: holds = a == b; break;
        default: holds = a != b; break;
        }
        becomeInteger(node, CCONST, holds ? 1 : 0);
    } else if ((node->op == EQ || node->op == NE) && isIntegerConstant(left) && !isConstant(right)) {
        std::swap(node->left, node->right);
    }
    return BASE_BOOL;
}

TypeCode typeLogical(ExprNode* node)
{
    ExprNode* left = node->left;
    ExprNode* right = node->right;
    if (isIntegerConstant(left) && isIntegerConstant(right)) {
        bool a = nodeValue(left) != 0;
        bool b = nodeValue(right) != 0;
        bool holds = node->op == ANDAND ? (a && b) : (a || b);
        becomeInteger(node, combinedKind(left, right), holds ? 1 : 0);
    } else if (isIntegerConstant(left) && !isConstant(right)) {
        std::swap(node->left, node->right);
    }
    return BASE_BOOL;
}

// Both operands of a two-operand node are typed first; t is the larger of
// their base types.
TypeCode typeBinary(ExprNode* node)
{
    TypeCode leftType = typeOperand(node->left);
    TypeCode rightType = typeOperand(node->right);
    int t = largerBase(leftType, rightType);
    switch (node->op) {
    case SHL:
    case SHR: return typeShift(node, t);
    case PLUS: return typeAddition(node, t);
    case MINUS: return typeSubtraction(node, t);
    case STAR: return typeMultiplication(node, t);
    case SLASH: return typeDivision(node, t);
    case PERCENT: return typeRemainder(node, t);
    case AMP:
    case BAR:
    case CARET: return typeBitwise(node, t);
    case LT:
    case LE:
    case NE:
    case EQ:
    case GT:
    case GE: return typeComparison(node);
    default: return typeLogical(node);
    }
}

// One pass over the node by its kind; REDISPATCH when it must be typed again.
TypeCode typeNode(ExprNode* node)
{
    switch (node->op) {
    case LCONST: return BASE_LONG;
    case ICONST: return BASE_INT;
    case CCONST: return BASE_CHAR;
    case FCONST: return BASE_FLOAT;
    case ID: return typeIdentifier(node);
    case BOOL_TO_CHAR:
    case INT_TO_CHAR:
    case LONG_TO_CHAR:
    case BOOL_TO_INT:
    case CHAR_TO_INT:
    case LONG_TO_INT:
    case BOOL_TO_LONG:
    case CHAR_TO_LONG:
    case INT_TO_LONG: return baseType(typeOperand(node->left));
    case FLOAT_TO_CHAR: return typeFloatNarrowing(node, CCONST, BASE_CHAR);
    case FLOAT_TO_INT:
    case FLOAT_TO_LONG: return typeFloatNarrowing(node, ICONST, BASE_INT);
    case CHAR_TO_FLOAT:
    case INT_TO_FLOAT:
    case LONG_TO_FLOAT: return typeToFloat(node);
    case TILDE:
    case BANG: return typeComplement(node);
    case CAST_CHAR:
    case CAST_INT:
    case KW_INP:
    case KW_INPW:
        typeOperand(node->left);
        return symbolAt(node->sym).type;
    case MINUS:
        if (node->right == nullptr) {
            return typeNegation(node);
        }
        return typeBinary(node);
    case STAR:
        if (node->right == nullptr) {
            return baseType(typeOperand(node->left));
        }
        return typeBinary(node);
    case SHL:
    case SHR:
    case PLUS:
    case SLASH:
    case PERCENT:
    case AMP:
    case BAR:
    case CARET:
    case LT:
    case LE:
    case NE:
    case EQ:
    case GT:
    case GE:
    case ANDAND:
    case OROR: return typeBinary(node);
    default: unknownKind(node->op);
    }
}

}  // namespace

// The walk itself, in place. The incoming type plays no part: every call
// made by the walk passes 0.
TypeCode inferType(ExprNode* node, TypeCode incoming)
{
    (void)incoming;
    TypeCode type;
    do {
        type = typeNode(node);
    } while (type == REDISPATCH);
    return type;
}

// Base type of a tree after typing and folding it.
int32_t typeOf(ExprNode* node)
{
    return baseType(inferType(node, 0));
}

// Value of a constant node, or of the symbol an identifier names.
int32_t nodeValue(const ExprNode* node)
{
    if (node->op == ID) {
        return symbolAt(node->sym).intValue;
    }
    return node->intValue;
}

double nodeFloatValue(const ExprNode* node)
{
    if (node->op == ID) {
        return symbolAt(node->sym).floatValue;
    }
    return node->floatValue;
}
