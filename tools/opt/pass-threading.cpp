#include "opt.h"
bool passThreading(Context& context) { (void)context; return false; }
