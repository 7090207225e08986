#include "pages/filestore.h"
