#include "UnicodeText.h"
