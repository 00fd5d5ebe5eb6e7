#pragma once

#include <QCoreApplication>

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
    Q_DECLARE_TR_FUNCTIONS(AboutBox)

public:
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
