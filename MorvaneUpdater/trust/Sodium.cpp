#include "trust/Sodium.h"

#include <sodium.h>

bool sodiumReady()
{
    static const bool ready = sodium_init() >= 0;
    return ready;
}
