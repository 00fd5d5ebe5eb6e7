#pragma once

class LinkLabel;
class PictureBox;
class QDialog;
class QFrame;
class QLabel;
class QPushButton;

namespace Ui {

// The design of the about box.
struct frmAbout
{
    PictureBox *picIcon = nullptr;
    QPushButton *cmdOk = nullptr;
    LinkLabel *lblHomePage = nullptr;
    QLabel *Label3 = nullptr;
    LinkLabel *lblCobrand = nullptr;
    QFrame *Line2 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label1 = nullptr;

    void setupUi(QDialog *dialog);
};

} // namespace Ui
