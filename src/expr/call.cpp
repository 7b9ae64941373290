// Function calls (not yet written).
#include "driver/driver.h"
#include "expr/expr.h"

void compileCall(int32_t, ExprNode*) { fatalError("not implemented"); }
int32_t pushArguments(int32_t, ExprNode*) { fatalError("not implemented"); }
