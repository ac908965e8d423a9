#include "FirmwarePadding.h"
