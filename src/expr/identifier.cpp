// Identifier operands: constants, global and frame variables, array
// addresses, array elements and call results. Plain scalars are only bound
// to their operand texts; addresses and elements are computed at once.
#include <cstring>

#include "base/diagnostics.h"
#include "base/options.h"
#include "expr/expr.h"
#include "output/output.h"

namespace {

// Operand texts of variables: the assembler name with an offset or the
// frame addressing around it. bindRegister refuses a text that does not
// fit its 64-character binding.
constexpr int VARIABLE_TEXT_SIZE = NAME_BUFFER_SIZE + 16;

void pushSlot(int width)
{
    checkRegister(tempCounter + width - 1);
    tempCounter += width;
}

// A constant symbol is an immediate operand: it is bound exactly as a
// constant node of its width would be.
TypeCode compileConstant(const SymbolEntry& entry)
{
    TypeCode type = entry.type;
    int base = baseType(type);
    ExprNode constant = {ICONST, 0, nullptr, nullptr, entry.intValue, 0.0};
    if ((base == BASE_BOOL || base == BASE_CHAR) && (type & (POINTER | ARRAY)) == 0)
        constant.op = CCONST;
    else if (base == BASE_INT || (type & (POINTER | ARRAY)) != 0)
        constant.op = ICONST;
    else if (base == BASE_LONG || base == BASE_FLOAT)
        constant.op = LCONST;
    else
        fatalError("error: undefined type");
    generateExpression(&constant);
    return type;
}

// A scalar variable: its bytes are bound to their operand texts, low byte
// first: $0100+NAME,X, $0101+NAME,X, ... through X in the stack page for a
// frame variable, NAME, NAME+1, ... otherwise.
void compileScalar(int32_t symbol, TypeCode type)
{
    const char* name = assemblerName(symbol);
    int count = sizeClass(type);
    if (count == 0)
        fatalError("error: undefined type");
    int tc = tempCounter;
    pushSlot(count == 4 ? 4 : 2);
    char text[VARIABLE_TEXT_SIZE];
    for (int k = 0; k < count; k++) {
        if (type & FRAME)
            formatText(text, sizeof text, FMT_COMPILE("${:04X}+{},X"), 0x0100 + k, name);
        else if (k == 0)
            formatText(text, sizeof text, FMT_COMPILE("{}"), name);
        else
            formatText(text, sizeof text, FMT_COMPILE("{}+{}"), name, k);
        bindRegister(tc + k, text);
    }
}

// The address of a frame array: through X in the stack page.
void compileFrameArray(const char* name)
{
    int tc = tempCounter;
    releaseRegister(tc);
    const char* a4 = wordOperand(tc);
    const char* a2 = wordOperand(tc);
    emit(" TXA\n CLC\n ADC #>{}\n STA {}\n LDA #<$0100\n ADC #<{}+1\n STA {}+1\n",
         name, a2, name, a4);
    pushSlot(2);
}

void compileGlobalArray(const char* name)
{
    int tc = tempCounter;
    releaseRegister(tc);
    const char* a4 = wordOperand(tc);
    const char* a3 = wordOperand(tc);
    emit(" LDY #>{}\n LDA #<{}\n STY {}\n STA {}+1\n", name, name, a3, a4);
    pushSlot(2);
}

// The address of a frame array's element k bytes in: $0100 + X + offset + k,
// carried into the high byte.
void frameElementAddress(const char* name, int32_t k, int tc)
{
    const char* a6 = wordOperand(tc);
    const char* a3 = wordOperand(tc);
    emit(" TXA\n CLC\n ADC #>{}+{}\n STA {}\n LDA #<$0100\n ADC #<{}+{}\n STA {}+1\n",
         name, k, a3, name, k, a6);
}

// Element read with a constant index (under -O): the byte offset is part
// of the address expression.
void compileConstantElement(TypeCode type, const char* name, int size, int32_t k)
{
    int tc = tempCounter;
    if (type & FRAME) {
        pushSlot(2);
        frameElementAddress(name, k, tc);
        readThroughPointer(size, tc, tc + 2);
        return;
    }
    pushSlot(4);
    if (size == 1) {
        const char* a8 = byteOperand(tc, false);
        const char* a7 = wordOperand(tc);
        const char* a6 = wordOperand(tc);
        const char* a5 = wordOperand(tc);
        emit(" LDY #>{}+{}\n LDA #<{}+{}\n STY {}\n STA {}+1\n LDY #0\n LDA ({}),Y\n STA {}\n",
             name, k, name, k, a5, a6, a7, a8);
        tempCounter = tc + 2;
    } else if (size == 2) {
        const char* a12 = wordOperand(tc);
        const char* a11 = byteOperand(tc + 2, false);
        const char* a10 = wordOperand(tc);
        const char* a9 = wordOperand(tc);
        const char* a8 = byteOperand(tc + 2, false);
        const char* a7 = wordOperand(tc);
        const char* a6 = wordOperand(tc);
        const char* a5 = wordOperand(tc);
        emit(" LDY #>{}+{}\n LDA #<{}+{}\n STY {}\n STA {}+1\n LDY #0\n LDA ({}),Y\n STA {}\n"
             " INY\n LDA ({}),Y\n STA {}+1\n LDA {}\n STA {}\n",
             name, k, name, k, a5, a6, a7, a8, a9, a10, a11, a12);
        tempCounter = tc + 2;
    } else {
        releaseRegister(tc + 2);
        const char* a14 = wordOperand(tc);
        const char* a13 = wordOperand(tc + 4);
        const char* a12 = wordOperand(tc);
        const char* a11 = wordOperand(tc + 4);
        const char* a10 = wordOperand(tc);
        const char* a9 = wordOperand(tc + 4);
        const char* a8 = wordOperand(tc);
        const char* a7 = wordOperand(tc + 4);
        const char* a6 = wordOperand(tc + 4);
        const char* a5 = wordOperand(tc + 4);
        emit(" LDY #>{}+{}\n LDA #<{}+{}\n STY {}\n STA {}+1\n LDY #0\n LDA ({}),Y\n STA {}\n"
             " INY\n LDA ({}),Y\n STA {}+1\n INY\n LDA ({}),Y\n STA {}+2\n INY\n LDA ({}),Y\n"
             " STA {}+3\n",
             name, k, name, k, a5, a6, a7, a8, a9, a10, a11, a12, a13, a14);
    }
}

// Element read with an index computed at run time: address, plus the
// index scaled to the element size, then the load through the sum.
void compileComputedElement(TypeCode type, const char* name, int size, ExprNode* index)
{
    int tc = tempCounter;
    if (type & FRAME) {
        const char* a4 = wordOperand(tc);
        const char* a2 = wordOperand(tc);
        emit(" TXA\n CLC\n ADC #>{}\n STA {}\n LDA #<$0100\n ADC #<{}\n STA {}+1\n",
             name, a2, name, a4);
    } else {
        const char* a4 = wordOperand(tc);
        const char* a3 = wordOperand(tc);
        emit(" LDY #>{}\n LDA #<{}\n STY {}\n STA {}+1\n", name, name, a3, a4);
    }
    pushSlot(2);
    if (index == nullptr)
        fatalError("error: expected ID");
    TypeCode indexType = generateExpression(index);
    int indexWidth = operandWidth(indexType, indexType);
    // A bool or char index is zero-extended.
    if (indexWidth == 1 && (indexType & (POINTER | ARRAY)) == 0)
        bindRegister(tc + 3, "#0");
    if (size == 2) {
        const char* a2 = wordOperand(tc + 2);
        const char* a1 = wordOperand(tc + 2);
        emit(" ASL {}\n ROL {}+1\n", a1, a2);
    } else if (size == 4) {
        const char* a4 = wordOperand(tc + 2);
        const char* a3 = wordOperand(tc + 2);
        const char* a2 = wordOperand(tc + 2);
        const char* a1 = wordOperand(tc + 2);
        emit(" ASL {}\n ROL {}+1\n ASL {}\n ROL {}+1\n", a1, a2, a3, a4);
    }
    const char* indexLow = byteOperand(tc + 2, false);
    const char* addressLow = byteOperand(tc, false);
    emit(" LDA {}\n CLC\n ADC {}\n", addressLow, indexLow);
    const char* sumLow = byteOperand(tc, false);
    emit(" STA {}\n", sumLow);
    const char* indexHigh = byteOperand(tc + 3, false);
    const char* addressHigh = byteOperand(tc + 1, false);
    emit(" LDA {}\n ADC {}\n", addressHigh, indexHigh);
    const char* sumHigh = byteOperand(tc + 1, false);
    emit(" STA {}\n", sumHigh);
    readThroughPointer(size, tc, tc + 2);
}

// name[index]: the element of an array; an element of an array of
// pointers is itself a two-byte pointer.
TypeCode compileElement(TypeCode type, const char* name, ExprNode* index)
{
    if (type == 0)
        fatalError("error: undefined symbol");
    if (type & FUNCTION)
        fatalError("error: function/procedure unexpected");
    if ((type & ARRAY) == 0)
        fatalError("error: expected array name");
    int size = sizeClass(baseType(type));
    if (size == 0)
        fatalError("error: undefined type");
    TypeCode element = type & ~(POINTER | ARRAY);
    if (type & POINTER) {
        size = 2;
        element = type & ~ARRAY;
    }
    if (optimizeFlag && index != nullptr &&
        (index->op == LCONST || index->op == ICONST || index->op == CCONST)) {
        uint32_t offset = static_cast<uint32_t>(nodeValue(index)) * static_cast<uint32_t>(size);
        compileConstantElement(type, name, size, static_cast<int32_t>(offset));
    } else {
        compileComputedElement(type, name, size, index);
    }
    return element;
}

// name(arguments): the call leaves its result in the word at tempCounter.
TypeCode compileCallValue(int32_t symbol, TypeCode type, ExprNode* list)
{
    if ((type & FUNCTION) == 0)
        fatalError("error: expected function/procedure");
    if (baseType(type) == BASE_VOID)
        fatalError("error: expected function");
    if (list == nullptr)
        fatalError("error: expected ID");
    compileCall(symbol, list);
    int base = baseType(type);
    if ((base == BASE_LONG || base == BASE_FLOAT) && (type & (POINTER | ARRAY)) == 0)
        pushSlot(4);
    else
        pushSlot(2);
    return type & ~FUNCTION;
}

}  // namespace

// The value of one use of an identifier, pushed as the next slot; postfix
// is the node after the name (an element index, a call, or nothing).
TypeCode compileIdentifier(int32_t symbol, ExprNode* postfix)
{
    const SymbolEntry& entry = symbolAt(symbol);
    TypeCode type = entry.type;
    if (postfix != nullptr && postfix->op == LPAREN)
        return compileCallValue(symbol, type, postfix->left);
    bool element = postfix != nullptr && postfix->op == LBRACKET;
    if (!element && (type & (CONST | ARRAY)) == 0) {
        compileScalar(symbol, type);
        return type;
    }
    const char* name = assemblerName(symbol);
    if (element) {
        // assemblerName hands out a buffer that later lookups reuse, and the
        // index expression may name other symbols.
        char copy[NAME_BUFFER_SIZE];
        memcpy(copy, name, strlen(name) + 1);
        return compileElement(type, copy, postfix->left);
    }
    if (type & CONST)
        return compileConstant(entry);
    if (type & FRAME)
        compileFrameArray(name);
    else
        compileGlobalArray(name);
    return type;
}
