// Expression code generator: walks a typed tree post-order and writes each
// node's fixed template. Every value lives in a slot of the temporary stack
// (two bytes, four for long and float) that begins at the tempCounter the
// node was entered with; an operator leaves its result in its left
// operand's slot. Leaves are bound, not loaded (see operands.cpp).
#include "base/diagnostics.h"
#include "expr/expr.h"
#include "output/output.h"

namespace {

// A tree deeper than this (a very long chain of operators) is refused
// before the generator's own recursion could exhaust the stack.
constexpr int MAX_GENERATE_DEPTH = 2000;
int generateDepth = 0;

// Immediate operand texts of constants.
constexpr int CONSTANT_TEXT_SIZE = 16;  // "#>-2147483648" and its NUL
constexpr int32_t DECIMAL_LOW = -127;
constexpr int32_t DECIMAL_HIGH = 1023;

bool isIntegerConstant(int32_t op)
{
    return op == LCONST || op == ICONST || op == CCONST;
}

bool isPointerValue(TypeCode type)
{
    return (type & (POINTER | ARRAY)) != 0;
}

// A bool or char value that is not an address: it fills only the low byte
// of its slot.
bool isOneByteValue(TypeCode type)
{
    return !isPointerValue(type) && (baseType(type) == BASE_BOOL || baseType(type) == BASE_CHAR);
}

// Bytes a value occupies on the temporary stack; fatal "error: undefined
// type" for a value that has none (a result of a floating conversion).
int slotWidth(TypeCode type)
{
    return operandWidth(type, type) == 4 ? 4 : 2;
}

// Raises tempCounter past a new slot of width bytes.
void pushSlot(int width)
{
    checkRegister(tempCounter + width - 1);
    tempCounter += width;
}

void missingOperand(const ExprNode* child)
{
    if (child == nullptr)
        fatalError("error: expected ID");
}

// Binds register number and number + 1 to the low and high byte of a
// 16-bit value: decimal texts inside the small range, else hexadecimal.
void bindWord(int number, int32_t value, bool decimal)
{
    char low[CONSTANT_TEXT_SIZE];
    char high[CONSTANT_TEXT_SIZE];
    if (decimal) {
        formatText(low, sizeof low, FMT_COMPILE("#>{}"), value);
        formatText(high, sizeof high, FMT_COMPILE("#<{}"), value);
    } else {
        formatText(low, sizeof low, FMT_COMPILE("#>${:04X}"), static_cast<unsigned>(value) & 0xFFFF);
        formatText(high, sizeof high, FMT_COMPILE("#<${:04X}"), static_cast<unsigned>(value) & 0xFFFF);
    }
    bindRegister(number, low);
    bindRegister(number + 1, high);
}

// Constants emit no code: their bytes are bound to immediate texts.
TypeCode generateConstant(const ExprNode* node)
{
    int32_t value = nodeValue(node);
    int start = tempCounter;
    bool decimal = value >= DECIMAL_LOW && value <= DECIMAL_HIGH;
    if (node->op == CCONST) {
        pushSlot(2);
        char text[CONSTANT_TEXT_SIZE];
        formatText(text, sizeof text, FMT_COMPILE("#>{}"), value);  // decimal at any value
        bindRegister(start, text);
        return BASE_CHAR;
    }
    if (node->op == ICONST) {
        pushSlot(2);
        bindWord(start, value, decimal);
        return SIGNED | BASE_INT;
    }
    pushSlot(4);
    bindWord(start, value, decimal);
    bindWord(start + 2, value >> 16, decimal);
    return SIGNED | BASE_LONG;
}

// The conversions between bool, char, int and long, applied to the value
// in the slot at start. Widening is zero extension.
TypeCode convertValue(int32_t op, TypeCode type, int start)
{
    slotWidth(type);  // the operand must have a value to convert
    TypeCode flags = type & ~BASE_MASK;
    switch (op) {
    case BOOL_TO_CHAR: {
        const char* target = byteOperand(start, false);
        const char* source = byteOperand(start, false);
        emit(" LDA {}\n AND #1\n STA {}\n", source, target);
        return flags | BASE_CHAR;
    }
    case INT_TO_CHAR:
        return flags | BASE_CHAR;
    case LONG_TO_CHAR:
        tempCounter = start + 2;
        return flags | BASE_CHAR;
    case BOOL_TO_INT: {
        const char* high = wordOperand(start);
        const char* target = wordOperand(start);
        const char* source = wordOperand(start);
        emit(" LDA {}\n AND #1\n STA {}\n LDA #0\n STA {}+1\n", source, target, high);
        return flags | BASE_INT;
    }
    case CHAR_TO_INT: {
        const char* high = byteOperand(start + 1, false);
        emit(" LDA #0\n STA {}\n", high);
        return flags | BASE_INT;
    }
    case LONG_TO_INT:
        tempCounter = start + 2;
        return flags | BASE_INT;
    default:
        break;
    }
    // To long: the slot grows by the upper word, which is then cleared.
    tempCounter = start + 2;
    pushSlot(2);
    if (op == BOOL_TO_LONG) {
        const char* high = wordOperand(start);
        const char* target = wordOperand(start);
        const char* source = wordOperand(start);
        emit(" LDA {}\n AND #1\n STA {}\n LDA #0\n STA {}+1\n", source, target, high);
    } else if (op == CHAR_TO_LONG) {
        const char* high = byteOperand(start + 1, false);
        emit(" LDA #0\n STA {}\n", high);
    }
    const char* upperHigh = wordOperand(start + 2);
    const char* upper = wordOperand(start + 2);
    emit(" LDA #0\n STA {}\n STA {}+1\n", upper, upperHigh);
    return flags | BASE_LONG;
}

bool isWidening(int32_t op)
{
    return op == BOOL_TO_CHAR || op == BOOL_TO_INT || op == CHAR_TO_INT ||
           op == BOOL_TO_LONG || op == CHAR_TO_LONG || op == INT_TO_LONG;
}

// An operand of a two-operand operator. Widening conversions that the
// parser put over an address are skipped: an address is already two bytes,
// and zero-extending its low byte would destroy it.
TypeCode generateOperand(ExprNode* node)
{
    if (isWidening(node->op) && node->left != nullptr) {
        int start = tempCounter;
        TypeCode inner = generateOperand(node->left);
        if (isPointerValue(inner))
            return inner;
        return convertValue(node->op, inner, start);
    }
    return generateExpression(node);
}

// char(e) and int(e): by the operand's base type.
TypeCode generateCast(ExprNode* node)
{
    missingOperand(node->left);
    int start = tempCounter;
    TypeCode type = generateExpression(node->left);
    int base = baseType(type);
    if (base != BASE_BOOL && base != BASE_CHAR && base != BASE_INT && base != BASE_LONG && base != BASE_FLOAT)
        fatalError("error: undefined type");
    TypeCode flags = type & ~BASE_MASK;
    if (node->op == CAST_CHAR) {
        if (base == BASE_BOOL)
            return convertValue(BOOL_TO_CHAR, type, start);
        if (base == BASE_LONG || base == BASE_FLOAT)
            tempCounter = start + 2;
        return flags | BASE_CHAR;
    }
    if (base == BASE_BOOL)
        return convertValue(BOOL_TO_INT, type, start);
    if (base == BASE_CHAR)
        return convertValue(CHAR_TO_INT, type, start);
    if (base == BASE_LONG || base == BASE_FLOAT)
        tempCounter = start + 2;
    return flags | BASE_INT;
}

// Unary -, ~ and !, byte by byte over as many bytes as the operand's base
// type has: an address is treated as the type it points to, as its result
// TypeCode is. - and ~ keep the operand's signedness, ! does not.
TypeCode generateUnary(ExprNode* node)
{
    missingOperand(node->left);
    int start = tempCounter;
    TypeCode type = generateExpression(node->left);
    int width = operandWidth(baseType(type), baseType(type));
    for (int k = 0; k < width; k++) {
        const char* operand = byteOperand(start + k, true);
        if (node->op == MINUS && k == 0)
            emit(" LDA #0\n SEC\n SBC {}\n", operand);
        else if (node->op == MINUS)
            emit(" LDA #0\n SBC {}\n", operand);
        else
            emit(" LDA {}\n EOR #$0FF\n", operand);
        const char* result = byteOperand(start + k, false);
        emit(" STA {}\n", result);
    }
    if (node->op == BANG)
        return baseType(type);
    return baseType(type) | (type & SIGNED);
}

// *p: the value at the address, as wide as the address's base type.
TypeCode generateDereference(ExprNode* node)
{
    missingOperand(node->left);
    int start = tempCounter;
    TypeCode type = generateExpression(node->left);
    int width = operandWidth(baseType(type), baseType(type));
    readThroughPointer(width, start, tempCounter);
    return baseType(type);
}

// inp(address), inpw(address): memory-mapped port reads.
TypeCode generatePortRead(ExprNode* node)
{
    missingOperand(node->left);
    int start = tempCounter;
    slotWidth(generateExpression(node->left));  // the address must have a value
    flushRegisters(REGISTER_LIMIT);
    if (node->op == KW_INP) {
        readThroughPointer(1, start, tempCounter);
        return BASE_CHAR;
    }
    readThroughPointer(2, start, tempCounter);
    return BASE_INT;
}

// Type of +, -, &, |, ^: the larger base type; an address operand makes the
// result an address of its own base type; signed when every operand that is
// not an integer constant is signed.
TypeCode arithmeticType(const ExprNode* node, TypeCode left, TypeCode right)
{
    TypeCode result;
    if (isPointerValue(left))
        result = baseType(left) | POINTER;
    else if (isPointerValue(right))
        result = baseType(right) | POINTER;
    else
        result = baseType(left) > baseType(right) ? baseType(left) : baseType(right);
    bool leftSigned = isIntegerConstant(node->left->op) || (left & SIGNED) != 0;
    bool rightSigned = isIntegerConstant(node->right->op) || (right & SIGNED) != 0;
    if (leftSigned && rightSigned)
        result |= SIGNED;
    return result;
}

// Per byte: the operation of the two operands into the left one.
void emitBytewise(int32_t op, int width, int left, int right)
{
    for (int k = 0; k < width; k++) {
        const char* second = byteOperand(right + k, true);
        const char* first = byteOperand(left + k, true);
        if (op == PLUS && k == 0)
            emit(" LDA {}\n CLC\n ADC {}\n", first, second);
        else if (op == PLUS)
            emit(" LDA {}\n ADC {}\n", first, second);
        else if (op == MINUS && k == 0)
            emit(" LDA {}\n SEC\n SBC {}\n", first, second);
        else if (op == MINUS)
            emit(" LDA {}\n SBC {}\n", first, second);
        else if (op == AMP || op == ANDAND)
            emit(" LDA {}\n AND {}\n", first, second);
        else if (op == BAR || op == OROR)
            emit(" LDA {}\n ORA {}\n", first, second);
        else
            emit(" LDA {}\n EOR {}\n", first, second);
        const char* result = byteOperand(left + k, false);
        emit(" STA {}\n", result);
    }
}

// && and ||: both operands are always evaluated. Two bools combine in one
// byte; anything else is combined bitwise (with a warning), and a four-byte
// result is folded so that its low byte is nonzero exactly when any byte is.
TypeCode generateLogical(ExprNode* node, TypeCode left, TypeCode right, int leftAt, int rightAt)
{
    int width = operandWidth(left, right);
    if (baseType(left) == BASE_BOOL && baseType(right) == BASE_BOOL && !isPointerValue(left | right)) {
        const char* result = byteOperand(leftAt, false);
        const char* second = byteOperand(rightAt, false);
        const char* first = byteOperand(leftAt, false);
        if (node->op == ANDAND)
            emit(" LDA {}\n AND {}\n STA {}\n", first, second, result);
        else
            emit(" LDA {}\n ORA {}\n STA {}\n", first, second, result);
    } else {
        if (node->op == ANDAND)
            reportWarning("applying boolean AND to non boolean value");
        else
            reportWarning("applying boolean OR to non boolean value");
        emitBytewise(node->op, width, leftAt, rightAt);
        if (width == 4) {
            const char* a5 = wordOperand(leftAt);
            const char* a4 = wordOperand(leftAt);
            const char* a3 = wordOperand(leftAt);
            const char* a2 = wordOperand(leftAt);
            const char* a1 = wordOperand(leftAt);
            emit(" LDA {}\n ORA {}+1\n ORA {}+2\n ORA {}+3\n STA {}\n", a1, a2, a3, a4, a5);
        }
    }
    tempCounter = leftAt + 2;
    return BASE_BOOL;
}

// The two-operand operators of this file and the comparisons: both operands
// are generated, then the template is written over their slots.
TypeCode generateBinary(ExprNode* node)
{
    missingOperand(node->left);
    int leftAt = tempCounter;
    TypeCode left = generateOperand(node->left);
    missingOperand(node->right);
    int rightAt = tempCounter;
    TypeCode right = generateOperand(node->right);
    // Both operands must have values (a floating conversion leaves none).
    slotWidth(left);
    slotWidth(right);
    int width = operandWidth(left, right);
    // A one-byte operand beside an address takes part with a zero high byte.
    if (width == 2 && isOneByteValue(left))
        bindRegister(leftAt + 1, "#0");
    if (width == 2 && isOneByteValue(right))
        bindRegister(rightAt + 1, "#0");
    switch (node->op) {
    case LT:
    case LE:
    case NE:
    case EQ:
    case GT:
    case GE:
        return generateComparison(node, left, right);
    case ANDAND:
    case OROR:
        return generateLogical(node, left, right, leftAt, rightAt);
    default:
        break;
    }
    emitBytewise(node->op, width, leftAt, rightAt);
    tempCounter = leftAt + (width == 4 ? 4 : 2);
    return arithmeticType(node, left, right);
}

TypeCode generateNode(ExprNode* node)
{
    switch (node->op) {
    case LCONST:
    case ICONST:
    case CCONST:
        return generateConstant(node);
    case ID:
        if (symbolAt(node->sym).type == 0)
            fatalError("error: undefined symbol");
        return compileIdentifier(node->sym, node->left);
    case STAR:
        if (node->right != nullptr)
            return generateMultiplyDivide(node);
        return generateDereference(node);
    case SLASH:
    case PERCENT:
        return generateMultiplyDivide(node);
    case SHL:
    case SHR:
        return generateShift(node);
    case MINUS:
        if (node->right == nullptr)
            return generateUnary(node);
        return generateBinary(node);
    case TILDE:
    case BANG:
        return generateUnary(node);
    case PLUS:
    case AMP:
    case BAR:
    case CARET:
    case ANDAND:
    case OROR:
    case LT:
    case LE:
    case NE:
    case EQ:
    case GT:
    case GE:
        return generateBinary(node);
    case BOOL_TO_CHAR:
    case INT_TO_CHAR:
    case LONG_TO_CHAR:
    case BOOL_TO_INT:
    case CHAR_TO_INT:
    case LONG_TO_INT:
    case BOOL_TO_LONG:
    case CHAR_TO_LONG:
    case INT_TO_LONG: {
        missingOperand(node->left);
        int start = tempCounter;
        TypeCode type = generateExpression(node->left);
        return convertValue(node->op, type, start);
    }
    case FLOAT_TO_CHAR:
    case FLOAT_TO_INT:
    case FLOAT_TO_LONG:
    case CHAR_TO_FLOAT:
    case INT_TO_FLOAT:
    case LONG_TO_FLOAT:
        return BASE_VOID;  // no value: a later use of it stops with "undefined type"
    case CAST_CHAR:
    case CAST_INT:
        return generateCast(node);
    case KW_INP:
    case KW_INPW:
        return generatePortRead(node);
    default:
        break;
    }
    printDiagnostic("error: expected {} but found {}\n", "ID", tokenSpelling(node->op));
    fatalError("syntax error");
}

}  // namespace

// Reads through the address in the slot at start the one, two or four
// bytes of its base type; scratch is the first free byte.
void readThroughPointer(int width, int start, int scratch)
{
    if (width == 1) {
        const char* target = byteOperand(start, false);
        const char* pointer = wordOperand(start);
        emit(" LDY #0\n LDA ({}),Y\n STA {}\n", pointer, target);
        tempCounter = start + 2;
        return;
    }
    if (width == 2) {
        const char* a6 = wordOperand(start);
        const char* a5 = byteOperand(scratch, false);
        const char* a4 = wordOperand(start);
        const char* a3 = wordOperand(start);
        const char* a2 = byteOperand(scratch, false);
        const char* a1 = wordOperand(start);
        emit(" LDY #0\n LDA ({}),Y\n STA {}\n INY\n LDA ({}),Y\n STA {}+1\n LDA {}\n STA {}\n",
             a1, a2, a3, a4, a5, a6);
        tempCounter = start + 2;
        return;
    }
    // The pointer is copied two words up, then the four bytes are read
    // through the copy into the grown slot.
    tempCounter = start + 2;
    pushSlot(2);
    releaseRegister(start + 2);
    int copy = tempCounter;
    const char* a12 = wordOperand(start);
    const char* a11 = wordOperand(copy);
    const char* a10 = wordOperand(start);
    const char* a9 = wordOperand(copy);
    const char* a8 = wordOperand(start);
    const char* a7 = wordOperand(copy);
    const char* a6 = wordOperand(start);
    const char* a5 = wordOperand(copy);
    const char* a4 = wordOperand(copy);
    const char* a3 = wordOperand(copy);
    const char* a2 = wordOperand(start);
    const char* a1 = wordOperand(start);
    emit(" LDY {}\n LDA {}+1\n STY {}\n STA {}+1\n LDY #0\n LDA ({}),Y\n STA {}\n INY\n"
         " LDA ({}),Y\n STA {}+1\n INY\n LDA ({}),Y\n STA {}+2\n INY\n LDA ({}),Y\n STA {}+3\n",
         a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12);
}

// Width class of a two-operand operation: an address on either side makes
// it two bytes; otherwise the larger base type decides.
int operandWidth(TypeCode left, TypeCode right)
{
    if (isPointerValue(left | right))
        return 2;
    int base = baseType(left) > baseType(right) ? baseType(left) : baseType(right);
    int width = sizeClass(base);
    if (width == 0)
        fatalError("error: undefined type");
    return width;
}

// Generates node into the slot at tempCounter and returns its TypeCode;
// tempCounter ends past the slot, whose bytes may still be bound.
TypeCode generateExpression(ExprNode* node)
{
    missingOperand(node);
    if (++generateDepth > MAX_GENERATE_DEPTH)
        fatalError("error: nesting too deep");
    TypeCode type = generateNode(node);
    generateDepth--;
    return type;
}
