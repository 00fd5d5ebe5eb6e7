#pragma once

class QDialog;
class QFrame;
class QLabel;
class QPushButton;

namespace Ui {

// The design of the result dialog: no title bar, one pink panel.
struct ResultDialog
{
    QFrame *resultPanel = nullptr;
    QPushButton *tryAgainButton = nullptr;
    QLabel *messageLabel = nullptr;

    void setupUi(QDialog *dialog);
};

} // namespace Ui
