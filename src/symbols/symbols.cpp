// Symbol table (not yet written).
#include "driver/driver.h"
#include "symbols/symbols.h"

SymbolTable symbolTable;
void initSymbolTable() { fatalError("not implemented"); }
int32_t insertSymbol(const char*, TokenCode) { fatalError("not implemented"); }
int32_t lookupSymbol(const char*) { fatalError("not implemented"); }
int32_t lookupInCurrentScope(const char*) { fatalError("not implemented"); }
int32_t lookupForDeclaration(const char*) { fatalError("not implemented"); }
const char* scopedName(int32_t) { fatalError("not implemented"); }
const char* assemblerName(int32_t) { fatalError("not implemented"); }
int freezeParameterTypes(int32_t) { fatalError("not implemented"); }
