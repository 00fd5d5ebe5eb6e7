#pragma once

#include "services/desktop_platform.h"

// The real desktop, windows included: the desktop services below the window
// layer, and QMessageBox and QFileDialog for what asks the user.
class QtPlatform final : public DesktopPlatform
{
public:
    void showMessage(QObject *owner, const QString &text, Buttons buttons, Icon icon, const QString &caption,
                     Answered answered) override;
    Answer askBeforeAnyWindow(const QString &text, Buttons buttons, Icon icon, const QString &caption) override;
    void askSaveFileName(QObject *owner, const QString &caption, const QString &suggestedName, const QString &filter,
                         FileChosen chosen) override;
};
