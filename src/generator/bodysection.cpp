#include "generator/bodysection.h"
