// Comparisons (not yet written).
#include "driver/driver.h"
#include "expr/expr.h"

TypeCode generateComparison(ExprNode*, TypeCode, TypeCode) { fatalError("not implemented"); }
