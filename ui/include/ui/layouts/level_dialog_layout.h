#pragma once

class LinkLabel;
class QDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace Ui {

// The design of the level selection and score dialog.
struct frmSelectOption
{
    QFrame *fraFullBrand = nullptr;
    LinkLabel *lblFullBrand = nullptr;
    LinkLabel *lblCobrand = nullptr;
    QFrame *Frame3 = nullptr;
    LinkLabel *Label61 = nullptr;
    QFrame *fraSelectoption = nullptr;
    QGroupBox *Frame2 = nullptr;
    QRadioButton *optExpert = nullptr;
    QRadioButton *optIntermediate = nullptr;
    QRadioButton *optBeginner = nullptr;
    QPushButton *cmdOk = nullptr;
    QLabel *Label1 = nullptr;
    QGroupBox *fraScore = nullptr;
    QPushButton *cmdOkScore = nullptr;
    QPlainTextEdit *txtTotalScore = nullptr;

    void setupUi(QDialog *dialog);
};

} // namespace Ui
