#pragma once

#include "symboltest/level.h"
#include "symboltest/outcome.h"
#include "ui/level_dialog.h"
#include "ui/symbol_pictures.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <cstdint>
#include <memory>

struct AppContext;
class AboutBox;
class ExitScreen;
class GuessFlow;
class LevelPanel;
class StatisticsWindow;

namespace Ui {
class MainWindow;
}

// The main window: the three level panels on which the test is played, the
// banner, the bottom bar and the menu. It asks for a level on every
// activation until one has been confirmed, and leads to the exit screen
// when it closes.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(AppContext &context, QWidget *parent = nullptr);
    ~MainWindow() override;

    // The level's panel, or null while it is not built: a level panel is
    // built when the level is first needed.
    LevelPanel *levelPanel(Level level) const;
    // The symbol pictures that the level panels show, drawn for the screen's scale.
    const SymbolPictures &pictures() const { return m_pictures; }
    AppContext &context() const { return m_context; }
    // The flow of the guess under way, if any.
    GuessFlow *guessFlow() const { return m_guessFlow; }

    // The level selection dialog, created from its design on first use.
    LevelDialog *levelDialog();
    // The dialog if it exists, without creating it.
    LevelDialog *existingLevelDialog() const { return m_levelDialog; }

public slots:
    // Asks for a level, unless one has been confirmed once already.
    void askForLevelIfNoneChosen();
    // A click on the choice picture at the 0-based position of a level.
    void guess(Level level, int position);
    // The score report of all levels in the level dialog's score view.
    void showScore();
    // Rests all result pictures and asks for a level.
    void chooseLevel();
    void showAbout();
    // Brings the level's panel forward, so that the test is played on it.
    void showLevel(Level level);
    // Brings forward the branding offer that the run's banner number picks:
    // 1, 3, 5 the co-branding offer, 2, 4, 6 the full-branding one; any
    // other number leaves the design's choice, the co-branding offer.
    void showBanner(std::int16_t number);

signals:
    // The exit screen has been made and is about to be shown; whoever runs
    // the program connects its request to end.
    void exitScreenOpened(ExitScreen *screen);
    // Once, after the window has first reached the screen: work that its
    // first frame does not need waits for this (or at most two seconds from
    // its first showing, should the window system never say so).
    void shownOnScreen();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void connectControls();
    // Builds the level's panel if it is not yet, as a page of the panel
    // stack behind the one in front, and connects its controls.
    LevelPanel *buildLevelPanel(Level level);
    // Finishes the level's panel before it is first shown or played on; every
    // built result picture rests until a guess at its level.
    void prepareLevelPanel(Level level);
    // Opens the level dialog, unless it is open already.
    void openLevelDialog();
    // Destroys the dialog if it was dismissed, and hands the keys on.
    void levelDialogFinished(LevelDialog *dialog);
    // Where the keyboard goes once the level choice has closed, however it
    // closed: the first choice picture of the panel in front. Never a
    // control of a panel that lies behind.
    void focusPanelInFront();
    // The wait panel goes up over the choices for the pause.
    void showPause();
    // The drawn symbol in the level's result picture, the outcome, no wait panel.
    void showJudged(Level level, std::int16_t position, std::int16_t drawn, Outcome outcome);
    // After a result, back to the choice picture just guessed.
    void focusGuessedChoice(Level level, std::int16_t position);
    void showExitScreen();
    void announceShownOnScreen();

    AppContext &m_context;
    // The form's controls. Its class is private to the window library, so it
    // is held by pointer.
    const std::unique_ptr<Ui::MainWindow> m_form;
    Ui::MainWindow &m_ui = *m_form;
    SymbolPictures m_pictures;
    std::array<LevelPanel *, AllLevels.size()> m_levelPanels{};
    QPointer<LevelDialog> m_levelDialog;
    QPointer<AboutBox> m_aboutBox;
    // Made on first use; closing only hides it.
    QPointer<StatisticsWindow> m_statisticsWindow;
    GuessFlow *m_guessFlow = nullptr;
    bool m_firstShowSeen = false;
    bool m_shownOnScreen = false;
};
