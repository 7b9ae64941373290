// The symbol table: one table for keywords, operators and user names, a stack
// of scopes in which each scope is a run of entries on top of the runs of its
// enclosing scopes, the store of name characters, and the scoped and
// assembler names under which symbols are printed. initSymbolTable builds it
// at start-up (the predefined entries at depth 0, the file scope at depth 1);
// it lives for the run, and the slots of a closed scope are used again. Uses
// lexer (token codes), decl (the FUNCTION flag) and the diagnostics. Limits:
// 4096 entries, 262144 name characters, 16 scope depths, scoped names of 255
// characters; each ends in a fatal error.
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
