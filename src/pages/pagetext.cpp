#include "pages/pagetext.h"
