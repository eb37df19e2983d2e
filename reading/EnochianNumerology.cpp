#include "EnochianNumerology.h"
