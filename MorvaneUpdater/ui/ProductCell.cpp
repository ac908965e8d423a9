#include "ProductCell.h"
