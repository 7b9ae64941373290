#include "opt.h"
bool passStoreMotion(Context& context) { (void)context; return false; }
