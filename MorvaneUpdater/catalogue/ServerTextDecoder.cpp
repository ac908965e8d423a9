#include "ServerTextDecoder.h"
