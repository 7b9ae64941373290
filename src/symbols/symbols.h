// The symbol table: one table for keywords, operators and user names, a stack
// of scopes in which each scope is a run of entries on top of the runs of its
// enclosing scopes, the store of name characters, and the scoped and
// assembler names under which symbols are printed. initSymbolTable builds it
// at start-up (the predefined entries at depth 0, the file scope at depth 1);
// it lives for the run, and the slots of a closed scope are used again. Owns
// the TypeCode, which every entry carries. Uses lexer (token codes) and the
// diagnostics. Limits:
// 4096 entries, 262144 name characters, 16 scope depths, scoped names of 255
// characters; each ends in a fatal error.
#pragma once

#include <cstdint>

#include "lexer/lexer.h"

// TypeCode: the type of a symbol or a value, a base type in bits 0..2 and
// flags above them.
using TypeCode = int32_t;
constexpr TypeCode BASE_MASK = 0x07;
constexpr TypeCode BASE_VOID = 0;
constexpr TypeCode BASE_BOOL = 1;
constexpr TypeCode BASE_CHAR = 3;
constexpr TypeCode BASE_INT = 4;
constexpr TypeCode BASE_LONG = 5;
constexpr TypeCode BASE_FLOAT = 6;   // floating: constants only, no code
constexpr TypeCode SIGNED = 0x08;
constexpr TypeCode FRAME = 0x10;     // a parameter or local, addressed through X
constexpr TypeCode CONST = 0x20;
constexpr TypeCode VOLATILE = 0x40;
constexpr TypeCode POINTER = 0x80;
constexpr TypeCode ARRAY = 0x100;
constexpr TypeCode FUNCTION = 0x200;

inline int baseType(TypeCode type) { return type & BASE_MASK; }

constexpr int SYMBOL_TABLE_SIZE = 4096;    // index 0 means no symbol
constexpr int LEXEME_STORE_SIZE = 262144;  // all names, NUL-terminated
constexpr int SCOPE_DEPTHS = 16;
constexpr int NAME_BUFFER_SIZE = 256;      // scopedName / assemblerName results

struct SymbolEntry {
    char* name;
    TokenCode token;
    int32_t owner;
    int32_t link;             // parameter chain while a parameter list is read
    TypeCode type;
    uint32_t address;         // low 16 bits used
    int32_t intValue;
    double floatValue;
    int32_t* parameterTypes;  // zero-terminated, set by freezeParameterTypes
};

struct SymbolTable {
    char lexemeStore[LEXEME_STORE_SIZE];
    int32_t lexemeUsed;
    SymbolEntry entries[SYMBOL_TABLE_SIZE];
    int32_t scopeTop[SCOPE_DEPTHS];
    int32_t scopeDepth;
    int32_t declarationMode;
};

extern SymbolTable symbolTable;

inline SymbolEntry& symbolAt(int32_t index) { return symbolTable.entries[index]; }

void initSymbolTable();
int32_t insertSymbol(const char* name, TokenCode code);
int32_t lookupSymbol(const char* name);
int32_t lookupInCurrentScope(const char* name);
int32_t lookupForDeclaration(const char* name);
const char* scopedName(int32_t index);
const char* assemblerName(int32_t index);
int freezeParameterTypes(int32_t index);
