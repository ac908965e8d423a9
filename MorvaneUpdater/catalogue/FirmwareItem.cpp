#include "FirmwareItem.h"
