#include "pages/previewpage.h"
