// Scopes for the symbol table tests (see symbol_scopes.h).
#include "symbol_scopes.h"

#include "symbols/symbols.h"

void openScope()
{
    symbolTable.scopeDepth += 1;
    symbolTable.scopeTop[symbolTable.scopeDepth] = symbolTable.scopeTop[symbolTable.scopeDepth - 1];
}

void closeScope()
{
    symbolTable.scopeTop[symbolTable.scopeDepth] = 0;
    symbolTable.scopeDepth -= 1;
}
