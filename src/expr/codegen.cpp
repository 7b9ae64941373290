// Expression code generator (not yet written).
#include "driver/driver.h"
#include "expr/expr.h"

TypeCode generateExpression(ExprNode*) { fatalError("not implemented"); }
int operandWidth(TypeCode, TypeCode) { fatalError("not implemented"); }
