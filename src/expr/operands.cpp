// Temporaries and operand texts (not yet written).
#include "driver/driver.h"
#include "expr/expr.h"

int32_t tempCounter = FIRST_TEMP;
void checkRegister(int) { fatalError("not implemented"); }
void bindRegister(int, const char*) { fatalError("not implemented"); }
const char* byteOperand(int, bool) { fatalError("not implemented"); }
const char* wordOperand(int) { fatalError("not implemented"); }
void releaseRegister(int) { fatalError("not implemented"); }
void flushRegisters(int) { fatalError("not implemented"); }
