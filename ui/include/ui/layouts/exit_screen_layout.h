#pragma once

#include <QCoreApplication>
#include <QString>

class LinkButton;
class PictureBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace Ui {

// The design of the exit screen with its refer-a-friend form.
struct ExitScreen
{
    Q_DECLARE_TR_FUNCTIONS(ExitScreen)

public:
    QGroupBox *downloadFrame = nullptr;
    LinkButton *catalogueLink = nullptr;
    QLabel *otherProgramsText = nullptr;
    QGroupBox *referFrame = nullptr;
    QPlainTextEdit *yourMessageBox = nullptr;
    QLineEdit *friendNameBox = nullptr;
    QLineEdit *friendEmailBox = nullptr;
    QLineEdit *yourEmailBox = nullptr;
    QPushButton *referButton = nullptr;
    QLineEdit *yourNameBox = nullptr;
    QPushButton *exitButton = nullptr;
    QPushButton *visitSiteButton = nullptr; // a check box drawn as a push button: checkable
    PictureBox *iconBox = nullptr;
    QLabel *appealLabel = nullptr;
    QLabel *titleLabel = nullptr;

    void setupUi(QWidget *window);
};

// The text of a multi-line text box with every line break written as CR LF,
// the way such a box holds it. The editor keeps line breaks as paragraphs and
// reports them as a bare LF, so the design text of yourMessageBox, "Your Message"
// followed by CR LF, reads back through this function (and not through
// toPlainText()) exactly as it was designed; text the user types reads back the
// same way.
QString textBoxText(const QPlainTextEdit *box);

// The four promotional messages of the exit screen, n = 0 to 3; message 1 is
// also appealLabel's design text.
QString promotionalMessage(int n);

} // namespace Ui
