// Command line and compilation driver (not yet written).
#include "driver/driver.h"

uint16_t romOrigin = 0xFFFF;
uint16_t stackInit = 0xFFFF;
uint16_t ramBase = 0x00E0;
uint8_t mulDivMode = 1;
uint8_t optimizeFlag = 0;
uint8_t ramVariablesFlag = 0;
int quarnMain(int, char**) { fatalError("not implemented"); }
void compileSource(FILE*, FILE*) { fatalError("not implemented"); }
