#include "FirmwareListParser.h"
