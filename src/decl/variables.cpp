// Variable declarations: declarators, initial values folded at compile time,
// the storage of static data (in place or in RAM) and the frame offsets of
// automatic locals.
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "base/diagnostics.h"
#include "base/options.h"
#include "decl/decl.h"
#include "expr/expr.h"
#include "lexer/lexer.h"
#include "output/output.h"

namespace {

// The frame is allocated with a one-byte SBC operand, so the locals of one
// function, rounded up to an even count, may take at most this many bytes.
constexpr int64_t FRAME_SIZE_LIMIT = 255;

int32_t newestEntry() { return symbolTable.scopeTop[symbolTable.scopeDepth]; }

// Bytes taken by count elements of size bytes, wrapped to 32 bits as the
// compiler's integer arithmetic is.
int32_t storageBytes(int32_t count, int size)
{
    return static_cast<int32_t>(static_cast<uint32_t>(count) * static_cast<uint32_t>(size));
}

// A floating value truncated toward zero; a value outside the 32-bit range
// (or not a number) gives the most negative one, as the target's conversion does.
int32_t truncateToInteger(double value)
{
    if (!(value > -2147483649.0 && value < 2147483648.0))
        return INT32_MIN;
    return static_cast<int32_t>(std::trunc(value));
}

bool startsLocalType(TokenCode token)
{
    switch (token) {
    case KW_BOOL:
    case KW_CHAR:
    case KW_CONST:
    case KW_DOUBLE:
    case KW_FLOAT:
    case KW_INT:
    case KW_LONG:
    case KW_SHORT:
    case KW_SIGNED:
    case KW_UNSIGNED:
    case KW_VOID:
    case KW_VOLATILE:
    case KW_WCHAR_T:
        return true;
    default:
        return false;
    }
}

// Gives each automatic local of first..last its frame offset below the saved
// frame register and writes its equate; returns the new running frame size.
int32_t placeFrameLocals(int32_t first, int32_t last, TypeCode type, int32_t size)
{
    int bytes = sizeClass(type);
    if (bytes == 0)
        fatalError("error: undefined symbol");
    for (int32_t index = first; index <= last; ++index) {
        int64_t grown = static_cast<int64_t>(size) + static_cast<int64_t>(elementCount) * bytes;
        if (grown < 0 || ((grown + 1) & ~int64_t{1}) > FRAME_SIZE_LIMIT)
            fatalError("error: too many local variables");
        size = static_cast<int32_t>(grown);
        uint32_t offset = static_cast<uint32_t>(1 - size) & 0xFFFF;
        symbolAt(index).address = offset;
        emit("{} EQU ${:04X}\n", assemblerName(index), offset);
    }
    return size;
}

}  // namespace

// declarator-rest: '[' ICONST ']' | (',' ID)* ; the first name is already read.
// Returns the index of the last name declared.
int32_t parseDeclarators(int32_t first)
{
    if (currentToken == LBRACKET) {
        symbolAt(first).type |= ARRAY;
        match(LBRACKET);
        elementCount = tokenIntValue;
        match(ICONST);
        match(RBRACKET);
        return first;
    }
    if (currentToken == COMMA) {
        match(COMMA);
        match(ID);
        parseNameList();
    }
    elementCount = 1;
    return newestEntry();
}

// name-list: (',' ID)*
void parseNameList()
{
    while (currentToken == COMMA) {
        match(COMMA);
        match(ID);
    }
}

// initialiser: expression, folded to a value kept in the entry; a float value
// given to an integral object is truncated with a warning.
void evaluateInitializer(int32_t index)
{
    SymbolEntry& entry = symbolAt(index);
    ExprNode* root = newNode();
    if (currentToken == LBRACKET || currentToken == LPAREN) {
        deleteTree(root);
        return;
    }
    parseExpression(root);
    inferType(root, 0);
    bool floatingObject = baseType(entry.type) == BASE_FLOAT;
    if (root->op == FCONST) {
        if (floatingObject) {
            entry.intValue = 0;
            entry.floatValue = root->floatValue;
        } else {
            reportWarning("conversion from floating point type to integral, possible loss of data");
            entry.intValue = truncateToInteger(root->floatValue);
            entry.floatValue = 0;
        }
    } else {
        // A tree that did not fold to one constant leaves its root's own value.
        int32_t value = root->op == ID ? symbolAt(root->sym).intValue : root->intValue;
        if (floatingObject) {
            entry.intValue = 0;
            entry.floatValue = value;
        } else {
            entry.intValue = value;
            entry.floatValue = 0;
        }
    }
    deleteTree(root);
}

// Storage of static objects first..last of one declaration: initialised data
// in place, RAM equates with -V (const data stays in place), or reserved space.
void emitStaticData(int32_t first, int32_t last, TypeCode type, bool initialised)
{
    int bytes = sizeClass(type);
    int32_t count = elementCount;
    if (initialised && (ramVariablesFlag == 0 || (type & CONST))) {
        if (bytes == 0)
            fatalError("error: undefined symbol");
        for (int32_t index = first; index <= last; ++index) {
            int32_t value = symbolAt(index).intValue;
            if (bytes == 1)
                emit("{}: DFB {}\n", assemblerName(index), value);
            else if (bytes == 2)
                emit("{}: DW {}\n", assemblerName(index), value);
            else
                emit("{}: DD {}\n", assemblerName(index), value);
        }
    } else if (ramVariablesFlag == 1) {
        if (initialised)
            printf("warning: initialization of global variable in embedded RAM must be done in code\n");
        if (bytes == 0)
            fatalError("error: undefined symbol");
        for (int32_t index = first; index <= last; ++index) {
            emit("{} EQU ${:04X}\n", assemblerName(index), static_cast<unsigned>(ramBase));
            ramBase = static_cast<uint16_t>(ramBase + static_cast<uint32_t>(storageBytes(count, bytes)));
        }
    } else {
        if (bytes == 0)
            fatalError("error: undefined symbol");
        for (int32_t index = first; index <= last; ++index)
            emit("{} DS {}\n", assemblerName(index), storageBytes(count, bytes));
    }
}

// local-declarations: ([auto | static] specifier ID (declarator-rest | '=' initialiser) ';')*
// Only at the start of a function body. Automatic locals get frame offsets;
// static and const locals are placed like file-level data, right here.
// Returns the frame size after all the declarations.
int32_t compileLocalDeclarations(TypeCode flags, int32_t size)
{
    for (;;) {
        TypeCode declarationFlags = flags;
        if (currentToken == KW_AUTO) {
            symbolTable.declarationMode = 1;
            match(KW_AUTO);
        } else if (currentToken == KW_STATIC) {
            symbolTable.declarationMode = 1;
            match(KW_STATIC);
            declarationFlags = flags & ~FRAME;
        } else if (!startsLocalType(currentToken)) {
            return size;
        }

        symbolTable.declarationMode = 1;
        TypeCode type = parseTypeSpecifier();
        int32_t first = newestEntry();
        match(ID);
        symbolAt(first).type = type;

        int32_t last;
        bool initialised = false;
        if (currentToken == ASSIGN) {
            symbolTable.declarationMode = 0;
            match(ASSIGN);
            evaluateInitializer(first);
            emit("\n;;DSEG\n");
            elementCount = 1;
            last = newestEntry();
            symbolTable.declarationMode = 1;
            initialised = true;
        } else {
            last = parseDeclarators(first);
            type = symbolAt(first).type;
        }

        for (int32_t index = first; index <= last; ++index)
            symbolAt(index).type = type | declarationFlags;

        if (declarationFlags == FRAME && !(type & CONST)) {
            if (initialised)
                printf("warning: initialization of local variable must be done in code\n");
            size = placeFrameLocals(first, last, type, size);
        } else {
            emitStaticData(first, last, type, initialised);
        }

        symbolTable.declarationMode = 0;
        match(SEMICOLON);
    }
}
