// The translation unit and function definitions: file-level declarations,
// parameter equates, the function label, prologue, frame and epilogue.
#include "base/diagnostics.h"
#include "decl/decl.h"
#include "lexer/lexer.h"
#include "output/output.h"
#include "stmt/stmt.h"

namespace {

int32_t newestEntry() { return symbolTable.scopeTop[symbolTable.scopeDepth]; }

// Bytes a parameter takes in the caller's argument area.
uint32_t parameterBytes(TypeCode type)
{
    int base = baseType(type);
    if ((base == BASE_LONG || base == BASE_FLOAT) && !(type & (POINTER | ARRAY)))
        return 4;
    return 2;
}

// Appends a parameter to the end of the function's parameter chain.
void appendParameter(int32_t function, int32_t parameter)
{
    int32_t entry = function;
    while (symbolAt(entry).link != 0)
        entry = symbolAt(entry).link;
    symbolAt(entry).link = parameter;
}

// Types and chains the names first..last of one parameter declaration.
void chainParameters(int32_t function, int32_t first, int32_t last, TypeCode type)
{
    for (int32_t index = first; index <= last; ++index) {
        symbolAt(index).type = type | FRAME;
        appendParameter(function, index);
    }
}

// Writes the equates of first..last from offset upward; returns the offset
// past them.
uint32_t placeParameters(int32_t first, int32_t last, TypeCode type, uint32_t offset)
{
    for (int32_t index = first; index <= last; ++index) {
        emit("{} EQU ${:04X}\n", assemblerName(index), offset & 0xFFFF);
        symbolAt(index).address = offset & 0xFFFF;
        offset += parameterBytes(type);
    }
    return offset;
}

void openFunctionScope()
{
    if (symbolTable.scopeDepth + 1 >= SCOPE_DEPTHS)
        fatalError("error: nesting too deep");
    symbolTable.scopeDepth += 1;
    symbolTable.scopeTop[symbolTable.scopeDepth] = symbolTable.scopeTop[symbolTable.scopeDepth - 1];
}

void closeFunctionScope()
{
    symbolTable.scopeTop[symbolTable.scopeDepth] = 0;
    symbolTable.scopeDepth -= 1;
}

// A token that cannot start a file-level declaration: report it and skip to
// the next '}' or the end; the rest of the file is not compiled.
void recoverFromFileLevelError()
{
    printDiagnostic("error: expected extern or static but found {}\n", tokenSpelling(currentToken));
    reportError("syntax error");
    while (currentToken != RBRACE && currentToken != ENDFILE)
        match(currentToken);
}

bool startsFileLevelType(TokenCode token)
{
    switch (token) {
    case KW_BOOL:
    case KW_CHAR:
    case KW_CLASS:
    case KW_CONST:
    case KW_DOUBLE:
    case KW_FLOAT:
    case KW_INT:
    case KW_LONG:
    case KW_SHORT:
    case KW_SIGNED:
    case KW_STRUCT:
    case KW_UNION:
    case KW_UNSIGNED:
    case KW_VOID:
    case KW_VOLATILE:
    case KW_WCHAR_T:
        return true;
    default:
        return false;
    }
}

// declaration: specifier ID ( '=' initialiser ';' | '(' function-rest
//                            | declarator-rest ';' )
void compileFileLevelDeclaration()
{
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
        emit("\n* DSEG\n");
        elementCount = 1;
        last = newestEntry();
        match(SEMICOLON);
        symbolTable.declarationMode = 1;
        initialised = true;
    } else if (currentToken == LPAREN) {
        symbolAt(first).type = type | FUNCTION;
        match(LPAREN);
        compileFunctionDefinition(first);
        return;
    } else {
        last = parseDeclarators(first);
        match(SEMICOLON);
    }
    for (int32_t index = first + 1; index <= last; ++index)
        symbolAt(index).type = type;
    emitStaticData(first, last, type, initialised);
}

}  // namespace

// translation-unit: ( ';' | [extern | static] declaration )* ENDFILE
void compileTranslationUnit()
{
    for (;;) {
        if (currentToken == ENDFILE)
            return;
        if (currentToken == SEMICOLON) {
            match(SEMICOLON);
        } else if (currentToken == KW_EXTERN || currentToken == KW_STATIC) {
            symbolTable.declarationMode = 1;
            match(currentToken);
            compileFileLevelDeclaration();
        } else if (startsFileLevelType(currentToken)) {
            compileFileLevelDeclaration();
        } else {
            recoverFromFileLevelError();
            return;
        }
    }
}

// function-rest: [specifier ID (',' specifier ID)*] ')' '{' local-declarations
//                statement* '}'   ; the '(' is already consumed.
void compileFunctionDefinition(int32_t function)
{
    openFunctionScope();

    if (currentToken == RPAREN) {
        match(RPAREN);
    } else {
        symbolTable.declarationMode = 1;
        TypeCode type = parseTypeSpecifier();
        int32_t first = newestEntry();
        match(ID);
        int32_t last = newestEntry();
        chainParameters(function, first, last, type);
        uint32_t offset = static_cast<uint32_t>(compileParameterList(function, 4));
        freezeParameterTypes(function);
        placeParameters(first, last, type, offset);
        emit("\n");
        match(RPAREN);
    }

    symbolTable.declarationMode = 0;
    match(LBRACE);
    int32_t size = compileLocalDeclarations(FRAME, 0);
    symbolTable.declarationMode = 0;

    emit("* \nZ{} EQU *\n", assemblerName(function));
    emit(" TXA\n PHA\n TSX\n");
    int32_t frame = (size + 1) & 0xFFFE;
    if (frame != 0)
        emit(" STX BP\n TSX\n TXA\n SEC\n SBC #${:02X}\n TAX\n TXS\n LDX BP\n", frame);

    if (currentToken != RBRACE) {
        compileStatement();
        compileStatementList();
    } else {
        match(RBRACE);
    }
    emit(" TXS\n PLA\n TAX\n");
    emit(" RTS\n");

    closeFunctionScope();
}

// parameter-list-rest: (',' specifier ID)* ; the parameters after the one in
// hand are placed first, so the last parameter sits at the base offset.
// Returns the offset for the parameter before the ones handled here.
int32_t compileParameterList(int32_t function, int32_t base)
{
    if (currentToken != COMMA)
        return base;
    match(COMMA);
    TypeCode type = parseTypeSpecifier();
    int32_t first = newestEntry();
    match(ID);
    int32_t last = newestEntry();
    chainParameters(function, first, last, type);
    uint32_t offset = static_cast<uint32_t>(compileParameterList(function, base));
    return static_cast<int32_t>(placeParameters(first, last, type, offset));
}
