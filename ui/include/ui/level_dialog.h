#pragma once

#include "symboltest/level.h"
#include "ui/layouts/level_dialog_layout.h"

#include <QDialog>

struct AppContext;
class QPushButton;

// The level selection dialog, which also hosts the score view. At most one
// exists; the main window creates it on first use and opens it with open().
// OK on the level choice, Escape and the close box dismiss it; OK on the
// score view only hides it. Either way it finishes (finished()), and its
// owner destroys a dismissed one.
class LevelDialog : public QDialog
{
    Q_OBJECT

public:
    explicit LevelDialog(AppContext &context, QWidget *parent = nullptr);

    // Every control of the design: the score view's page is built on the
    // call if it is not yet.
    const Ui::LevelDialog &ui();
    // Dismissed dialogs are hidden and wait to be destroyed by their owner.
    bool isDismissed() const { return m_dismissed; }
    // The score view lies in front, rather than the level choice.
    bool isShowingScore() const;

signals:
    // OK on the level choice with a level selected.
    void levelChosen(Level level);

public slots:
    // Brings the level choice or the score view forward; its OK becomes
    // the button that Enter presses and takes the focus.
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

    AppContext &m_context;
    Ui::LevelDialog m_ui;
    bool m_dismissed = false;
};
