// Translation unit and functions (not yet written).
#include "driver/driver.h"
#include "decl/decl.h"

void compileTranslationUnit() { fatalError("not implemented"); }
void compileFunctionDefinition(int32_t) { fatalError("not implemented"); }
int32_t compileParameterList(int32_t, int32_t) { fatalError("not implemented"); }
