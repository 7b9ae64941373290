// Jumps: a branch or JMP to a JMP goes straight to the JMP's target; a
// conditional branch over a JMP becomes the opposite branch to the JMP's
// target; a branch or JMP to the next line goes. Also unreachable code and
// labels that nothing names.
#include <set>

#include "opt.h"

bool passJumps(Context& context)
{
    (void)context;
    return false;
}

bool passUnreachable(Context& context)
{
    (void)context;
    return false;
}

bool passLabels(Context& context)
{
    (void)context;
    return false;
}
