#include "FirmwareCell.h"
