// Statement compiler (not yet written).
#include "driver/driver.h"
#include "stmt/stmt.h"

int32_t labelCounter = 1;
void compileStatement() { fatalError("not implemented"); }
void compileStatementList() { fatalError("not implemented"); }
void compileElse(int32_t) { fatalError("not implemented"); }
