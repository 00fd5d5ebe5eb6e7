#pragma once

#include <QCoreApplication>

class QDialog;
class QFrame;
class QLabel;
class QPushButton;

namespace Ui {

// The design of the result dialog: no title bar, one pink panel.
struct ResultDialog
{
    Q_DECLARE_TR_FUNCTIONS(ResultDialog)

public:
    QFrame *resultPanel = nullptr;
    QPushButton *tryAgainButton = nullptr;
    QLabel *messageLabel = nullptr;

    void setupUi(QDialog *dialog);
};

} // namespace Ui
