// Type specifiers (not yet written).
#include "driver/driver.h"
#include "decl/decl.h"

int32_t elementCount;
int sizeClass(TypeCode) { fatalError("not implemented"); }
TypeCode parseTypeSpecifier() { fatalError("not implemented"); }
TypeCode parseBasicType() { fatalError("not implemented"); }
TypeCode parseQualifier() { fatalError("not implemented"); }
TypeCode parseStructSpecifier() { fatalError("not implemented"); }
