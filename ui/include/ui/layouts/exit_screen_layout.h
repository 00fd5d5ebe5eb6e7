#pragma once

#include <QString>

class LinkLabel;
class PictureBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace Ui {

// The design of the exit screen with its refer-a-friend form.
struct frmNagScreen2
{
    QGroupBox *Frame6 = nullptr;
    LinkLabel *lblGoToHome = nullptr;
    QLabel *Label3 = nullptr;
    QGroupBox *Frame2 = nullptr;
    QPlainTextEdit *txtMessage = nullptr;
    QLineEdit *txtFriendName = nullptr;
    QLineEdit *txtFriendEmail = nullptr;
    QLineEdit *txtEmail = nullptr;
    QPushButton *cmdSubmit = nullptr;
    QLineEdit *txtName = nullptr;
    QPushButton *cmdClose = nullptr;
    QPushButton *Check1 = nullptr; // a check box drawn as a push button: checkable
    PictureBox *Picture1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label1 = nullptr;

    void setupUi(QWidget *window);
};

// The text of a multi-line text box with every line break written as CR LF,
// the way such a box holds it. The editor keeps line breaks as paragraphs and
// reports them as a bare LF, so the design text of txtMessage, "Your Message"
// followed by CR LF, reads back through this function (and not through
// toPlainText()) exactly as it was designed; text the user types reads back the
// same way.
QString TextBoxText(const QPlainTextEdit *box);

// The four promotional messages of the exit screen, n = 0 to 3; message 1 is
// also Label2's design text.
QString PromotionalMessage(int n);

} // namespace Ui
