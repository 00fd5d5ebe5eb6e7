// Must not compile: the services see no Qt Widgets.
#include <QWidget>
