// Identifier operands and array elements (not yet written).
#include "driver/driver.h"
#include "expr/expr.h"

TypeCode compileIdentifier(int32_t, ExprNode*) { fatalError("not implemented"); }
