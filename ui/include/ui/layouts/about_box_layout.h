#pragma once

class LinkLabel;
class PictureBox;
class QDialog;
class QFrame;
class QLabel;
class QPushButton;

namespace Ui {

// The design of the about box.
struct AboutBox
{
    PictureBox *iconBox = nullptr;
    QPushButton *okButton = nullptr;
    LinkLabel *homePageLink = nullptr;
    QLabel *fullBrandOffer = nullptr;
    LinkLabel *fullBrandLink = nullptr;
    QFrame *separatorLine = nullptr;
    QLabel *titleLabel = nullptr;
    QLabel *descriptionLabel = nullptr;

    void setupUi(QDialog *dialog);
};

} // namespace Ui
