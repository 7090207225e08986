#include "generator/generatedefaults.h"
