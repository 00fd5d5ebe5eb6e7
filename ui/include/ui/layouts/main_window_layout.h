#pragma once

#include "ui/symbol_pictures.h"

#include <QCoreApplication>

#include <array>

class LinkButton;
class PictureBox;
class PictureButton;
class QAction;
class QFrame;
class QGroupBox;
class QLabel;
class QMainWindow;
class QMenu;
class QPushButton;
class QStackedWidget;
class QWidget;

namespace Ui {

// The design of the main window: every control under its role.
// Children are created so that Qt's stacking order matches the design's.
// Controls that take turns in one place are the pages of a stack: the
// cover and the three level panels, the two branding offers. A level panel
// and its controls are built when the level is first needed (until then
// they are null): start-up builds only the cover that hides them. Every
// widget's objectName is its member's name; an element of an array is
// named in the singular with its 0-based position, "beginnerChoice0",
// "expertChoice9". Every menu and menu entry (and separator) carries its
// member's name too. Buttons, symbol pictures and links take the keyboard
// focus by Tab, in the design's tab order; screen readers name every symbol
// picture after its symbol.
struct MainWindow
{
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    QWidget *clientArea = nullptr; // the central widget, 633 x 481 px

    QFrame *waitPanel = nullptr; // hidden at creation
    QLabel *waitTitle = nullptr;
    QLabel *waitMessage = nullptr;

    QFrame *forumBanner = nullptr; // along the top
    LinkButton *forumLink = nullptr;

    QFrame *bottomBar = nullptr;
    QPushButton *backButton = nullptr;
    QPushButton *exitButton = nullptr;
    QStackedWidget *brandStack = nullptr; // one offer in front, the co-branding one at first
    LinkButton *coBrandLink = nullptr;
    LinkButton *fullBrandLink = nullptr;

    QStackedWidget *panelStack = nullptr; // the cover in front until a level is chosen
    QFrame *coverPanel = nullptr;
    QFrame *beginnerPanel = nullptr; // the level panels: null until built
    QFrame *intermediatePanel = nullptr;
    QFrame *expertPanel = nullptr;

    QLabel *outcomeLabel = nullptr; // outcome carrier, hidden

    // Beginner panel
    QPushButton *beginnerScoreButton = nullptr;
    QGroupBox *beginnerResultFrame = nullptr;
    PictureBox *beginnerResult = nullptr;
    QLabel *beginnerHint = nullptr;
    std::array<PictureButton *, 5> beginnerChoices{};

    // Intermediate panel
    QPushButton *intermediateScoreButton = nullptr;
    QGroupBox *intermediateResultFrame = nullptr;
    PictureBox *intermediateResult = nullptr;
    QLabel *intermediateHint = nullptr;
    std::array<PictureButton *, 8> intermediateChoices{};

    // Expert panel
    QPushButton *expertScoreButton = nullptr;
    QGroupBox *expertResultFrame = nullptr;
    PictureBox *expertResult = nullptr;
    QLabel *expertHint = nullptr;
    std::array<PictureButton *, 10> expertChoices{};

    // Picture lists (no visible presence)
    SymbolPictures pictures;

    // Menu
    QMenu *fileMenu = nullptr;
    QAction *scoreAction = nullptr;
    QAction *statisticsAction = nullptr;
    QAction *levelAction = nullptr;
    QAction *exitAction = nullptr;
    QMenu *helpMenu = nullptr;
    QAction *onlineHelpAction = nullptr;
    QAction *visitSiteAction = nullptr;
    QAction *pagesSeparator = nullptr;
    QAction *updateAction = nullptr;
    QAction *aboutSeparator = nullptr;
    QAction *aboutAction = nullptr;
    QAction *donateAction = nullptr;
    QAction *makeMoneyAction = nullptr;

    // The level's choice picture at a 0-based position, its result picture
    // and its panel; null while the level's panel is not built.
    PictureButton *levelChoice(Level level, int position) const;
    PictureBox *levelResult(Level level) const;
    QFrame *levelPanel(Level level) const;

    // Builds the level's panel with its controls, as a page of the panel
    // stack behind the one in front, and puts them in the design's tab
    // order. Returns false if the panel was built already.
    bool buildLevelPanel(Level level);

    // Finishes the level's built panel before it is first shown or played
    // on: its style sheets, and the pictures of its choices and of every
    // built result box that has none, decoded on the first call. Start-up
    // decodes no picture and styles no control that the cover hides.
    void prepareLevelPanel(Level level);

    void setupUi(QMainWindow *window);

private:
    void setupMenu(QMainWindow *window);
    void orderTabs();
    void showLevelPictures(Level level);

    QWidget *m_tabChainStart = nullptr;
};

} // namespace Ui
