// Type specifiers: the keywords at the start of a declaration become one
// TypeCode (base type, signedness, qualifiers, one level of pointer).
#include "base/diagnostics.h"
#include "decl/decl.h"
#include "lexer/lexer.h"

int32_t elementCount;

namespace {

// signed, unsigned, const and volatile each read a whole specifier after
// themselves; this bounds how many of them may stand in a row.
constexpr int SPECIFIER_NESTING_LIMIT = 200;
int specifierNesting;

// The "type" refusal: the expected-but-found line, then the fatal syntax error.
[[noreturn]] void refuseType()
{
    printDiagnostic("error: expected {} but found {}\n", "type", tokenSpelling(currentToken));
    fatalError("syntax error");
}

// Consumes a keyword and returns the code of the specifier that follows it.
TypeCode nestedSpecifier()
{
    if (specifierNesting >= SPECIFIER_NESTING_LIMIT)
        fatalError("error: nesting too deep");
    ++specifierNesting;
    match(currentToken);
    TypeCode type = parseTypeSpecifier();
    --specifierNesting;
    return type;
}

}  // namespace

int sizeClass(TypeCode type)
{
    if (type & POINTER)
        return 2;
    switch (baseType(type)) {
    case BASE_BOOL:
    case BASE_CHAR:
        return 1;
    case BASE_INT:
        return 2;
    case BASE_LONG:
    case BASE_FLOAT:
        return 4;
    default:
        return 0;
    }
}

// specifier: basic-type | qualifier | struct-specifier
TypeCode parseTypeSpecifier()
{
    elementCount = 1;
    switch (currentToken) {
    case KW_BOOL:
    case KW_CHAR:
    case KW_DOUBLE:
    case KW_FLOAT:
    case KW_INT:
    case KW_LONG:
    case KW_SHORT:
    case KW_SIGNED:
    case KW_UNSIGNED:
    case KW_VOID:
    case KW_WCHAR_T:
        return parseBasicType();
    case KW_CLASS:
    case KW_STRUCT:
    case KW_UNION:
        return parseStructSpecifier();
    case KW_CONST:
    case KW_VOLATILE:
        return parseQualifier();
    default:
        refuseType();
    }
}

// basic-type: bool | (char | int | short | wchar_t | void) ['*']
//           | signed specifier | unsigned specifier
// long, float and double are keywords but not declaration types.
TypeCode parseBasicType()
{
    elementCount = 1;
    switch (currentToken) {
    case KW_BOOL:
        match(KW_BOOL);
        return BASE_BOOL;
    case KW_CHAR:
        match(KW_CHAR);
        if (currentToken == STAR) {
            match(STAR);
            return POINTER | SIGNED | BASE_CHAR;
        }
        return SIGNED | BASE_CHAR;
    case KW_INT:
    case KW_SHORT:
    case KW_WCHAR_T:
        match(currentToken);
        if (currentToken == STAR) {
            match(STAR);
            return POINTER | SIGNED | BASE_INT;
        }
        return SIGNED | BASE_INT;
    case KW_VOID:
        match(KW_VOID);
        if (currentToken == STAR) {
            match(STAR);
            return POINTER | BASE_VOID;
        }
        return BASE_VOID;
    case KW_SIGNED:
        return nestedSpecifier() | SIGNED;
    case KW_UNSIGNED:
        return nestedSpecifier() & ~SIGNED;
    default:
        refuseType();
    }
}

// qualifier: (const | volatile) specifier
TypeCode parseQualifier()
{
    elementCount = 1;
    if (currentToken == KW_CONST)
        return nestedSpecifier() | CONST;
    if (currentToken == KW_VOLATILE)
        return nestedSpecifier() | VOLATILE;
    refuseType();
}

// struct-specifier: (struct | class | union) [tag] '{' '}'
// Members are not supported: the body must be empty. The tag, if any, was
// entered into the current scope by the scanner when it was read.
TypeCode parseStructSpecifier()
{
    match(currentToken);
    symbolTable.declarationMode = 1;
    if (currentToken != LBRACE) {
        int32_t tag = symbolTable.scopeTop[symbolTable.scopeDepth];
        match(ID);
        symbolAt(tag).type = STRUCT_TYPE;
    }
    match(LBRACE);
    match(RBRACE);
    return STRUCT_TYPE;
}
