// Predefined tokens (not yet written).
#include "driver/driver.h"
#include "lexer/lexer.h"

const PredefinedToken predefinedTokens[PREDEFINED_COUNT + 1] = {};
void loadPredefinedSymbols() { fatalError("not implemented"); }
const char* tokenSpelling(TokenCode) { fatalError("not implemented"); }
