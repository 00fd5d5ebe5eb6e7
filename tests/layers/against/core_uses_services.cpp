// Must not compile: the test core sees no service of the layer above it.
#include "services/platform.h"
