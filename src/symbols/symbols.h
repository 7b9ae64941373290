// The one symbol table: keywords, operators and user names, scopes, the name
// store and the assembler names of symbols.
#pragma once

#include <cstdint>

#include "lexer/lexer.h"

using TypeCode = int32_t;

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
