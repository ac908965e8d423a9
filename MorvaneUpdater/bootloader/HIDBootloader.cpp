#include "HIDBootloader.h"
