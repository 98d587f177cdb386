#include "KazCreateMod.h"
