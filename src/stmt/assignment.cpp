// Assignments (not yet written).
#include "driver/driver.h"
#include "stmt/stmt.h"

void compileAssignment(int32_t) { fatalError("not implemented"); }
