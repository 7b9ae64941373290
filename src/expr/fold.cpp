// Typing and folding (not yet written).
#include "driver/driver.h"
#include "expr/expr.h"

int32_t typeOf(ExprNode*) { fatalError("not implemented"); }
TypeCode inferType(ExprNode*, TypeCode) { fatalError("not implemented"); }
int32_t nodeValue(const ExprNode*) { fatalError("not implemented"); }
double nodeFloatValue(const ExprNode*) { fatalError("not implemented"); }
