#include "BootloaderError.h"
