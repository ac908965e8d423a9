#include "FakeHidapi.h"

#include <hidapi_darwin.h>

extern "C" {

void hid_darwin_set_open_exclusive(int open_exclusive)
{
    FakeHidapi::recordPlatformCall(
        {.function = "hid_darwin_set_open_exclusive", .openExclusive = open_exclusive});
}

} // extern "C"
