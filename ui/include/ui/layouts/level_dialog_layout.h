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
struct LevelDialog
{
    QFrame *brandBar = nullptr;
    LinkLabel *fullBrandLink = nullptr;
    LinkLabel *coBrandLink = nullptr;
    QFrame *forumBanner = nullptr;
    LinkLabel *forumLink = nullptr;
    QFrame *levelPanel = nullptr;
    QGroupBox *levelGroup = nullptr;
    QRadioButton *expertOption = nullptr;
    QRadioButton *intermediateOption = nullptr;
    QRadioButton *beginnerOption = nullptr;
    QPushButton *okButton = nullptr;
    QLabel *invitationLabel = nullptr;
    QGroupBox *scorePanel = nullptr;
    QPushButton *scoreOkButton = nullptr;
    QPlainTextEdit *scoreBox = nullptr;

    void setupUi(QDialog *dialog);
};

} // namespace Ui
