#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

// A window's control, found by its object name: the role name its form gives
// it. A renamed or missing control stops the test at once, naming it, instead
// of crashing later on a null pointer.
template <typename Widget>
Widget *control(const QObject *window, const char *name)
{
    auto *found = window->findChild<Widget *>(QLatin1String(name));
    if (!found)
        qFatal("%s has no %s named %s", qPrintable(window->objectName()), Widget::staticMetaObject.className(), name);
    return found;
}
