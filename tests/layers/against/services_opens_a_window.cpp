// Must not compile: the services see no window of the layer above them.
#include "ui/main_window.h"
