#include "FullWidthButton.h"
