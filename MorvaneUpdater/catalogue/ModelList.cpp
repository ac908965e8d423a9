#include "ModelList.h"
