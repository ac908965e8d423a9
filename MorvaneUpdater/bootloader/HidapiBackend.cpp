#include "HidapiBackend.h"
