// Diagnostics and match (not yet written).
#include <cstdlib>
#include "driver/driver.h"

int32_t errorLevel;
TokenCode currentToken;
void fatalError(const char*) { exit(2); }
void reportError(const char*) {}
void reportWarning(const char*) {}
void match(TokenCode) { fatalError("not implemented"); }
