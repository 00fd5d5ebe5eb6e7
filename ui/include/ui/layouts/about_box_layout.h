#pragma once

class LinkButton;
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
    LinkButton *homePageLink = nullptr;
    QLabel *fullBrandOffer = nullptr;
    LinkButton *fullBrandLink = nullptr;
    QFrame *separatorLine = nullptr;
    QLabel *titleLabel = nullptr;
    QLabel *descriptionLabel = nullptr;

    void setupUi(QDialog *dialog);
};

} // namespace Ui
