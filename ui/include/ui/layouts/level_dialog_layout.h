#pragma once

#include <QCoreApplication>

class LinkButton;
class QDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace Ui {

// The design of the level selection and score dialog. The level choice and
// the score view take turns in one place, as pages of a stack; so do the
// two branding offers, of which the dialog shows the full-branding one.
// The score view's page is built when first needed (its controls are null
// until then): most runs open the dialog only to choose a level.
struct LevelDialog
{
    Q_DECLARE_TR_FUNCTIONS(LevelDialog)

public:
    QFrame *brandBar = nullptr;
    QStackedWidget *brandStack = nullptr;
    LinkButton *fullBrandLink = nullptr;
    LinkButton *coBrandLink = nullptr;
    QFrame *forumBanner = nullptr;
    LinkButton *forumLink = nullptr;
    QStackedWidget *pageStack = nullptr; // the level choice in front at first
    QFrame *levelPanel = nullptr;
    QGroupBox *levelGroup = nullptr;
    QRadioButton *expertOption = nullptr;
    QRadioButton *intermediateOption = nullptr;
    QRadioButton *beginnerOption = nullptr;
    QPushButton *okButton = nullptr;
    QLabel *invitationLabel = nullptr;
    QFrame *scorePage = nullptr;
    QGroupBox *scorePanel = nullptr;
    QPushButton *scoreOkButton = nullptr;
    QPlainTextEdit *scoreBox = nullptr;

    void setupUi(QDialog *dialog);
    // Builds the score view's page behind the level choice, its controls
    // in the tab order after the level choice's. Returns false if it was
    // built already.
    bool buildScorePage();
};

} // namespace Ui
