// Variable declarations (not yet written).
#include "driver/driver.h"
#include "decl/decl.h"

int32_t parseDeclarators(int32_t) { fatalError("not implemented"); }
void parseNameList() { fatalError("not implemented"); }
void evaluateInitializer(int32_t) { fatalError("not implemented"); }
void emitStaticData(int32_t, int32_t, TypeCode, bool) { fatalError("not implemented"); }
int32_t compileLocalDeclarations(TypeCode, int32_t) { fatalError("not implemented"); }
