#pragma once

class QDialog;
class QFrame;
class QLabel;
class QPushButton;

namespace Ui {

// The design of the result dialog: no title bar, one pink panel.
struct frmResult
{
    QFrame *picResult = nullptr;
    QPushButton *cmdTry = nullptr;
    QLabel *lblResult = nullptr;

    void setupUi(QDialog *dialog);
};

} // namespace Ui
