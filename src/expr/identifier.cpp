// Identifier operands: constants, global and frame variables, array
// addresses, array elements and call results. Plain scalars are only bound
// to their operand texts; addresses and elements are computed at once.
#include <cstring>

#include "driver/driver.h"
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

void bindName(int number, const char* format, const char* name)
{
    char text[VARIABLE_TEXT_SIZE];
    formatText(text, sizeof text, format, name);
    bindRegister(number, text);
}

// A constant symbol is an immediate operand: it is bound exactly as a
// constant node of its width would be.
TypeCode compileConstant(const SymbolEntry& entry)
{
    TypeCode type = entry.type;
    int base = baseType(type);
    ExprNode constant = {ICONST, 0, nullptr, nullptr, entry.intValue, 0.0};
    if ((base == 1 || base == 3) && (type & (POINTER | ARRAY)) == 0)
        constant.op = CCONST;
    else if (base == 4 || (type & (POINTER | ARRAY)) != 0)
        constant.op = ICONST;
    else if (base == 5 || base == 6)
        constant.op = LCONST;
    else
        fatalError("error: undefined type");
    generateExpression(&constant);
    return type;
}

// A frame variable is addressed through X in the stack page.
void compileFrameVariable(TypeCode type, const char* name)
{
    int tc = tempCounter;
    int base = baseType(type);
    if (type & ARRAY) {
        releaseRegister(tc);
        const char* a4 = wordOperand(tc);
        const char* a2 = wordOperand(tc);
        emit(" TXA\n CLC\n ADC #>%s\n STA %s\n LDA #<$0100\n ADC #<%s+1\n STA %s+1\n",
             name, a2, name, a4);
        pushSlot(2);
    } else if ((base == 1 || base == 3) && (type & POINTER) == 0) {
        pushSlot(2);
        bindName(tc, "$0100+%s,X", name);
    } else if (base == 4 || (type & POINTER) != 0) {
        pushSlot(2);
        bindName(tc, "$0100+%s,X", name);
        bindName(tc + 1, "$0101+%s,X", name);
    } else if (base == 5 || base == 6) {
        pushSlot(4);
        bindName(tc, "$0100+%s,X", name);
        bindName(tc + 1, "$0101+%s,X", name);
        bindName(tc + 2, "$0102+%s,X", name);
        bindName(tc + 3, "$0103+%s,X", name);
    } else {
        fatalError("error: undefined type");
    }
}

void compileGlobalVariable(TypeCode type, const char* name)
{
    int tc = tempCounter;
    int base = baseType(type);
    if (type & ARRAY) {
        releaseRegister(tc);
        const char* a4 = wordOperand(tc);
        const char* a3 = wordOperand(tc);
        emit(" LDY #>%s\n LDA #<%s\n STY %s\n STA %s+1\n", name, name, a3, a4);
        pushSlot(2);
    } else if ((base == 1 || base == 3) && (type & POINTER) == 0) {
        pushSlot(2);
        bindName(tc, "%s", name);
    } else if (base == 4 || (type & POINTER) != 0) {
        pushSlot(2);
        bindName(tc, "%s", name);
        bindName(tc + 1, "%s+1", name);
    } else if (base == 5 || base == 6) {
        pushSlot(4);
        bindName(tc, "%s", name);
        bindName(tc + 1, "%s+1", name);
        bindName(tc + 2, "%s+2", name);
        bindName(tc + 3, "%s+3", name);
    } else {
        fatalError("error: undefined type");
    }
}

// Loads the element whose address is in the word at tc into the slot at
// tc; the byte two above is the scratch of the two-byte form, the word four
// above holds the pointer copy of the four-byte form.
void loadElement(int size, int tc)
{
    if (size == 1) {
        const char* a2 = byteOperand(tc, false);
        const char* a1 = wordOperand(tc);
        emit(" LDY #0\n LDA (%s),Y\n STA %s\n", a1, a2);
        tempCounter = tc + 2;
        return;
    }
    if (size == 2) {
        const char* a6 = wordOperand(tc);
        const char* a5 = byteOperand(tc + 2, false);
        const char* a4 = wordOperand(tc);
        const char* a3 = wordOperand(tc);
        const char* a2 = byteOperand(tc + 2, false);
        const char* a1 = wordOperand(tc);
        emit(" LDY #0\n LDA (%s),Y\n STA %s\n INY\n LDA (%s),Y\n STA %s+1\n LDA %s\n STA %s\n",
             a1, a2, a3, a4, a5, a6);
        tempCounter = tc + 2;
        return;
    }
    tempCounter = tc;
    pushSlot(4);
    releaseRegister(tc + 2);
    const char* a12 = wordOperand(tc);
    const char* a11 = wordOperand(tc + 4);
    const char* a10 = wordOperand(tc);
    const char* a9 = wordOperand(tc + 4);
    const char* a8 = wordOperand(tc);
    const char* a7 = wordOperand(tc + 4);
    const char* a6 = wordOperand(tc);
    const char* a5 = wordOperand(tc + 4);
    const char* a4 = wordOperand(tc + 4);
    const char* a3 = wordOperand(tc + 4);
    const char* a2 = wordOperand(tc);
    const char* a1 = wordOperand(tc);
    emit(" LDY %s\n LDA %s+1\n STY %s\n STA %s+1\n LDY #0\n LDA (%s),Y\n STA %s\n INY\n"
         " LDA (%s),Y\n STA %s+1\n INY\n LDA (%s),Y\n STA %s+2\n INY\n LDA (%s),Y\n STA %s+3\n",
         a1, a2, a3, a4, a5, a6, a7, a8, a9, a10, a11, a12);
}

// The address of a frame array's element k bytes in: $0100 + X + offset + k,
// carried into the high byte.
void frameElementAddress(const char* name, int32_t k, int tc)
{
    const char* a6 = wordOperand(tc);
    const char* a3 = wordOperand(tc);
    emit(" TXA\n CLC\n ADC #>%s+%d\n STA %s\n LDA #<$0100\n ADC #<%s+%d\n STA %s+1\n",
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
        loadElement(size, tc);
        return;
    }
    pushSlot(4);
    if (size == 1) {
        const char* a8 = byteOperand(tc, false);
        const char* a7 = wordOperand(tc);
        const char* a6 = wordOperand(tc);
        const char* a5 = wordOperand(tc);
        emit(" LDY #>%s+%d\n LDA #<%s+%d\n STY %s\n STA %s+1\n LDY #0\n LDA (%s),Y\n STA %s\n",
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
        emit(" LDY #>%s+%d\n LDA #<%s+%d\n STY %s\n STA %s+1\n LDY #0\n LDA (%s),Y\n STA %s\n"
             " INY\n LDA (%s),Y\n STA %s+1\n LDA %s\n STA %s\n",
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
        emit(" LDY #>%s+%d\n LDA #<%s+%d\n STY %s\n STA %s+1\n LDY #0\n LDA (%s),Y\n STA %s\n"
             " INY\n LDA (%s),Y\n STA %s+1\n INY\n LDA (%s),Y\n STA %s+2\n INY\n LDA (%s),Y\n"
             " STA %s+3\n",
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
        emit(" TXA\n CLC\n ADC #>%s\n STA %s\n LDA #<$0100\n ADC #<%s\n STA %s+1\n",
             name, a2, name, a4);
    } else {
        const char* a4 = wordOperand(tc);
        const char* a3 = wordOperand(tc);
        emit(" LDY #>%s\n LDA #<%s\n STY %s\n STA %s+1\n", name, name, a3, a4);
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
        emit(" ASL %s\n ROL %s+1\n", a1, a2);
    } else if (size == 4) {
        const char* a4 = wordOperand(tc + 2);
        const char* a3 = wordOperand(tc + 2);
        const char* a2 = wordOperand(tc + 2);
        const char* a1 = wordOperand(tc + 2);
        emit(" ASL %s\n ROL %s+1\n ASL %s\n ROL %s+1\n", a1, a2, a3, a4);
    }
    const char* indexLow = byteOperand(tc + 2, false);
    const char* addressLow = byteOperand(tc, false);
    emit(" LDA %s\n CLC\n ADC %s\n", addressLow, indexLow);
    const char* sumLow = byteOperand(tc, false);
    emit(" STA %s\n", sumLow);
    const char* indexHigh = byteOperand(tc + 3, false);
    const char* addressHigh = byteOperand(tc + 1, false);
    emit(" LDA %s\n ADC %s\n", addressHigh, indexHigh);
    const char* sumHigh = byteOperand(tc + 1, false);
    emit(" STA %s\n", sumHigh);
    loadElement(size, tc);
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
    int size;
    switch (baseType(type)) {
    case 1:
    case 3:
        size = 1;
        break;
    case 4:
        size = 2;
        break;
    case 5:
    case 6:
        size = 4;
        break;
    default:
        fatalError("error: undefined type");
    }
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
    if (baseType(type) == 0)
        fatalError("error: expected function");
    if (list == nullptr)
        fatalError("error: expected ID");
    compileCall(symbol, list);
    int base = baseType(type);
    if ((base == 5 || base == 6) && (type & (POINTER | ARRAY)) == 0)
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
    const char* name = assemblerName(symbol);
    if (postfix != nullptr && postfix->op == LBRACKET) {
        // assemblerName hands out a buffer that later lookups reuse, and the
        // index expression may name other symbols.
        char copy[NAME_BUFFER_SIZE];
        memcpy(copy, name, strlen(name) + 1);
        return compileElement(type, copy, postfix->left);
    }
    if (type & CONST)
        return compileConstant(entry);
    if (type & FRAME)
        compileFrameVariable(type, name);
    else
        compileGlobalVariable(type, name);
    return type;
}
