// Update notice (not yet written).
#include "driver/driver.h"

void checkForUpdate() {}
int fetchHttpStatus(const char*, char*, int) { return 0; }
