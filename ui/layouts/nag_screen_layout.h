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

// The four promotional messages of the exit screen, n = 0 to 3; message 1 is
// also Label2's design text.
QString PromotionalMessage(int n);

} // namespace Ui
