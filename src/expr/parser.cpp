// Expression parser (not yet written).
#include "driver/driver.h"
#include "expr/expr.h"

int32_t argumentIndex;
TypeCode parseExpression(ExprNode*) { fatalError("not implemented"); }
void parseArguments(int32_t, ExprNode*) { fatalError("not implemented"); }
TypeCode balanceTypes(TypeCode, TypeCode, ExprNode*) { fatalError("not implemented"); }
TypeCode narrowNode(TypeCode, TypeCode, ExprNode*) { fatalError("not implemented"); }
