// Header, trailer and emit (not yet written).
#include "driver/driver.h"
#include "output/output.h"

FILE* outputFile;
void emit(const char*, ...) { fatalError("not implemented"); }
void writeHeader() { fatalError("not implemented"); }
void writeTrailer() { fatalError("not implemented"); }
