// Multiply, divide, modulo and shifts (not yet written).
#include "driver/driver.h"
#include "expr/expr.h"

TypeCode generateMultiplyDivide(ExprNode*) { fatalError("not implemented"); }
TypeCode generateShift(ExprNode*) { fatalError("not implemented"); }
