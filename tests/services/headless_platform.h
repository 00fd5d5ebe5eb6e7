#pragma once

#include "services/desktop_platform.h"

#include <QTimer>

// The real desktop of a process with no windows to ask in: every message box
// counts as closed with its first button, every save dialog as cancelled.
// For the tests of what the desktop does without windows.
class HeadlessPlatform final : public DesktopPlatform
{
public:
    void showMessage(QObject *owner, const QString &, Buttons buttons, Icon, const QString &,
                     Answered answered) override
    {
        if (answered && owner)
            QTimer::singleShot(0, owner, [answered, buttons] {
                answered(buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok);
            });
    }
    Answer askBeforeAnyWindow(const QString &, Buttons buttons, Icon, const QString &) override
    {
        return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    void askSaveFileName(QObject *owner, const QString &, const QString &, const QString &, FileChosen chosen) override
    {
        if (owner)
            QTimer::singleShot(0, owner, [chosen] { chosen(QString()); });
    }
};
