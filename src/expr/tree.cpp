// Expression tree (not yet written).
#include "driver/driver.h"
#include "expr/expr.h"

ExprNode* newNode() { fatalError("not implemented"); }
void freeTree(ExprNode*) { fatalError("not implemented"); }
void deleteTree(ExprNode*) { fatalError("not implemented"); }
void pushDown(ExprNode*) { fatalError("not implemented"); }
void pullUp(ExprNode*) { fatalError("not implemented"); }
