#include "opt.h"
bool passConditions(Context& context) { (void)context; return false; }
bool passCompare(Context& context) { (void)context; return false; }
