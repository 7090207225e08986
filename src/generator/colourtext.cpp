#include "generator/colourtext.h"
