#include "UsbIdentifier.h"
