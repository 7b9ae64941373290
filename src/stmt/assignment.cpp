// Assignments and call statements: the statements that begin with a declared
// identifier. Every store goes through the address register BX: the target's
// address goes into BX first, the value is evaluated into CX (CX and DX for
// four bytes) and written with STA (BX),Y, low byte first.
#include <cstdio>

#include "base/diagnostics.h"
#include "base/options.h"
#include "expr/expr.h"
#include "lexer/lexer.h"
#include "output/output.h"
#include "stmt/stmt.h"
#include "symbols/symbols.h"

namespace {

constexpr TypeCode POINTER_OR_ARRAY = POINTER | ARRAY;
// The type bits shown by the lvalue note: base type, POINTER and ARRAY.
constexpr TypeCode NOTE_MASK = 0x187;

bool isIntegerConstant(const ExprNode* node)
{
    return node->op == LCONST || node->op == ICONST || node->op == CCONST;
}

// BX = the address of a variable: its label, or $0100 + frame offset + X for
// a parameter or local on the stack page. BX stays reserved afterwards.
void loadAddress(int32_t symbol)
{
    const char* name = assemblerName(symbol);
    if (symbolAt(symbol).type & FRAME)
        emit(" LDY #>$0100+{}\n LDA #<$0100+{}\n STY BX\n STA BX+1\n TXA\n CLC\n ADC BX\n STA BX\n LDA #0\n ADC BX+1\n STA BX+1\n",
             name, name);
    else
        emit(" LDY #>{}\n LDA #<{}\n STY BX\n STA BX+1\n", name, name);
    tempCounter += 2;
}

// BX = the value of a pointer variable, read like any use of it in an
// expression, for the stores that go through the pointer.
void loadPointer(int32_t symbol, ExprNode* root)
{
    root->op = ID;
    root->sym = symbol;
    root->left = newNode();
    generateExpression(root);
    flushRegisters(tempCounter);
    freeTree(root);
    root->op = EMPTY;
    root->sym = 0;
}

// Converts the parsed value of type value to the lvalue type target: a note
// when the value is wider or differs in pointerness, a warning when a computed
// value is cut, then a narrowing or widening node over the tree.
void fitValue(TypeCode target, TypeCode value, ExprNode* root)
{
    int targetBase = baseType(target);
    int valueBase = baseType(value);
    if (targetBase == valueBase)
        return;
    bool narrowing = targetBase < valueBase;
    if (narrowing || ((target ^ value) & POINTER_OR_ARRAY) != 0)
        printf("line %d: note: lvalue expected %02X type, rvalue found %02X type\n", lineNumber,
               target & NOTE_MASK, value & NOTE_MASK);
    if (narrowing) {
        if (!isIntegerConstant(root) && ((target | value) & POINTER_OR_ARRAY) == 0)
            reportWarning("warning: type truncation of rvalue to lvalue, possible data loss");
        pushDown(root);
        value = narrowNode(target, value, root);
        pullUp(root);
    }
    if (baseType(value) < targetBase) {
        pushDown(root);
        balanceTypes(value, target, root);
        pullUp(root);
    }
}

// Evaluates the right-hand side fitted to the lvalue type into the next
// temporary, with every pending operand loaded; the tree is freed at once.
void evaluateValue(TypeCode target, ExprNode* root)
{
    TypeCode value = parseExpression(root);
    fitValue(target, value, root);
    if (optimizeFlag)
        typeOf(root);
    // A conversion from floating leaves no value to store.
    if (baseType(generateExpression(root)) == 0)
        fatalError("error: undefined type");
    flushRegisters(tempCounter);
    freeTree(root);
}

// Bytes stored for an lvalue of this type: a pointer takes two whatever it
// points to.
int storeWidth(TypeCode type)
{
    int width = sizeClass(type);
    if (width == 0)
        fatalError("error: undefined return type");
    return width;
}

// Writes the value below tempCounter to the address in BX, low byte first,
// and gives back the value and the address.
void storeValue(int width)
{
    if (width == 1) {
        const char* low = byteOperand(tempCounter - 2, false);
        emit(" LDA {}\n LDY #0\n STA (BX),Y\n", low);
        tempCounter -= 4;
    } else if (width == 2) {
        const char* high = byteOperand(tempCounter - 1, false);
        const char* low = byteOperand(tempCounter - 2, false);
        emit(" LDA {}\n LDY #0\n STA (BX),Y\n LDA {}\n INY\n STA (BX),Y\n", low, high);
        tempCounter -= 4;
    } else {
        const char* byte3 = byteOperand(tempCounter - 1, false);
        const char* byte2 = byteOperand(tempCounter - 2, false);
        const char* byte1 = byteOperand(tempCounter - 3, false);
        const char* byte0 = byteOperand(tempCounter - 4, false);
        emit(" LDA {}\n LDY #0\n STA (BX),Y\n LDA {}\n INY\n STA (BX),Y\n LDA {}\n INY\n STA (BX),Y\n LDA {}\n INY\n STA (BX),Y\n",
             byte0, byte1, byte2, byte3);
        tempCounter -= 2;
        tempCounter -= 4;
    }
}

// name '=' expression
void assignVariable(int32_t symbol, ExprNode* root)
{
    TypeCode type = symbolAt(symbol).type;
    if (type == 0)
        fatalError("error: undefined symbol");
    if (baseType(type) == BASE_VOID)
        fatalError("error: expected function");
    loadAddress(symbol);
    match(ASSIGN);
    evaluateValue(type, root);
    storeValue(storeWidth(type));
}

// name '[' expression ']' '=' expression
// An array's elements start at its address; a pointer's at its value.
void assignElement(int32_t symbol, ExprNode* root)
{
    TypeCode type = symbolAt(symbol).type;
    if (type == 0)
        fatalError("error: undefined symbol");
    if (type & FUNCTION)
        fatalError("error: function/procedure unexpected");
    TypeCode element;
    if (type & ARRAY) {
        // An array of pointers has pointer elements of two bytes.
        element = type & ~ARRAY;
        loadAddress(symbol);
    } else if (type & POINTER) {
        element = type & ~POINTER;
        loadPointer(symbol, root);
    } else {
        element = type;
        loadAddress(symbol);
    }

    match(LBRACKET);
    parseExpression(root);
    if (optimizeFlag)
        typeOf(root);
    TypeCode indexType = generateExpression(root);
    flushRegisters(tempCounter);
    freeTree(root);
    match(RBRACKET);
    // An element type without a size stops here, before any code is written
    // for the index.
    int size = storeWidth(element);
    // A bool or char index leaves the high byte of CX undefined; it is
    // zero-extended, as element reads do.
    int indexBase = baseType(indexType);
    if ((indexBase == BASE_BOOL || indexBase == BASE_CHAR) && (indexType & POINTER_OR_ARRAY) == 0) {
        const char* indexHigh = byteOperand(tempCounter - 1, false);
        emit(" LDA #0\n STA {}\n", indexHigh);
    }

    // The index in CX becomes a byte offset.
    if (size == 2) {
        const char* index = wordOperand(tempCounter - 2);
        emit(" ASL {}\n ROL {}+1\n", index, index);
    } else if (size == 4) {
        const char* index = wordOperand(tempCounter - 2);
        emit(" ASL {}\n ROL {}+1\n ASL {}\n ROL {}+1\n", index, index, index, index);
    }

    // BX += CX: BX now holds the element's address.
    const char* indexLow = byteOperand(tempCounter - 2, false);
    const char* addressLow = byteOperand(tempCounter - 4, false);
    emit(" LDA {}\n CLC\n ADC {}\n", addressLow, indexLow);
    const char* sumLow = byteOperand(tempCounter - 4, false);
    emit(" STA {}\n", sumLow);
    const char* indexHigh = byteOperand(tempCounter - 1, false);
    const char* addressHigh = byteOperand(tempCounter - 3, false);
    emit(" LDA {}\n ADC {}\n", addressHigh, indexHigh);
    const char* sumHigh = byteOperand(tempCounter - 3, false);
    emit(" STA {}\n", sumHigh);
    tempCounter -= 2;

    match(ASSIGN);
    evaluateValue(element, root);
    storeValue(size);
}

// name '(' arguments ')' -- the function's result is dropped.
void callStatement(int32_t symbol, ExprNode* root)
{
    TypeCode type = symbolAt(symbol).type;
    if (type == 0)
        fatalError("error: undefined symbol");
    if ((type & FUNCTION) == 0)
        fatalError("error: expected function/procedure");
    match(LPAREN);
    parseArguments(symbol, root);
    compileCall(symbol, root);
}

// A name followed by something that none of the forms accepts: report it and
// skip to the next '}' (or the end of input); the caller's match of ';' then
// ends the run.
void recoverFromSyntaxError(int32_t symbol)
{
    printDiagnostic("error: what do you want me to do with {}\n", assemblerName(symbol));
    reportError("syntax error");
    while (currentToken != RBRACE && currentToken != ENDFILE)
        match(currentToken);
}

}  // namespace

// Compiles the rest of a statement whose first token was the name of symbol;
// currentToken is the token after the name. Leaves tempCounter as it found it.
void compileAssignment(int32_t symbol)
{
    int32_t entryTemp = tempCounter;
    ExprNode* root = newNode();
    if (root == nullptr)
        fatalError("error: expected ID");
    switch (currentToken) {
    case LBRACKET: assignElement(symbol, root); break;
    case LPAREN: callStatement(symbol, root); break;
    case ASSIGN: assignVariable(symbol, root); break;
    default: recoverFromSyntaxError(symbol); break;
    }
    deleteTree(root);
    // A value that produced no slot (a conversion from floating) would
    // otherwise leave the counter below the first temporary.
    tempCounter = entryTemp;
}

// '*' name '=' value: BX receives the pointer's value (or the array's
// address) and the value is stored with the type pointed to. A function,
// even one that returns a pointer, is no pointer variable: the statement is
// then compiled as if the '*' were not there.
void compileIndirectAssignment(int32_t symbol)
{
    TypeCode type = symbolAt(symbol).type;
    if (currentToken != ASSIGN || (type & POINTER_OR_ARRAY) == 0 || (type & FUNCTION) != 0) {
        compileAssignment(symbol);
        return;
    }
    int32_t entryTemp = tempCounter;
    ExprNode* root = newNode();
    if (root == nullptr)
        fatalError("error: expected ID");
    TypeCode target;
    if (type & ARRAY) {
        target = type & ~ARRAY;
        loadAddress(symbol);
    } else {
        target = type & ~POINTER;
        loadPointer(symbol, root);
    }
    match(ASSIGN);
    evaluateValue(target, root);
    storeValue(storeWidth(target));
    deleteTree(root);
    tempCounter = entryTemp;
}
