#include "HeaderView.h"
