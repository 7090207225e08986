#include "generator/encoder.h"
