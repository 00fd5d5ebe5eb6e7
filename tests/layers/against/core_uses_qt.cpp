// Must not compile: the test core sees no Qt.
#include <QString>
