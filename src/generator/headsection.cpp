#include "generator/headsection.h"
