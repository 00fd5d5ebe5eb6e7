#pragma once

#include "symboltest/level.h"

#include <QDialog>

#include <memory>

class Platform;
class QFrame;
class QPushButton;
class SymbolTest;

namespace Ui {
class LevelDialog;
class ScorePage;
} // namespace Ui

// The level selection dialog, which also hosts the score view of a test's
// tallies, and marks the test's level as chosen once confirmed. At most one
// exists; the main window creates it on first use and opens it with open().
// OK on the level choice, Escape and the close box dismiss it; OK on the
// score view only hides it. Either way it finishes (finished()), and its
// owner destroys a dismissed one.
class LevelDialog : public QDialog
{
    Q_OBJECT

public:
    // Links open and messages show through `platform`.
    LevelDialog(Platform &platform, SymbolTest &test, QWidget *parent = nullptr);
    ~LevelDialog() override;

    // Dismissed dialogs are hidden and wait to be destroyed by their owner.
    bool isDismissed() const { return m_dismissed; }
    // The score view lies in front, rather than the level choice.
    bool isShowingScore() const;

signals:
    // OK on the level choice with a level selected.
    void levelChosen(Level level);

public slots:
    // Brings the level choice or the score view forward; its OK becomes
    // the button that Enter presses and takes the focus. The score view
    // shows the test's report as it is now.
    void showLevelChoice();
    void showScoreView();
    // OK on the level choice: the selected level counts as chosen.
    void confirmLevel();
    // OK on the score view.
    void hideScore();
    // Escape dismisses the dialog, as its close box does.
    void reject() override;

private:
    void buildScorePage();
    void showPage(QWidget *page, QPushButton *ok);
    void endLevelChoice();

    Platform &m_platform;
    SymbolTest &m_test;
    std::unique_ptr<Ui::LevelDialog> m_ui;
    // The score view's page is built when first shown: most runs open the
    // dialog only to choose a level.
    QFrame *m_scorePage = nullptr;
    std::unique_ptr<Ui::ScorePage> m_score;
    bool m_dismissed = false;
};
